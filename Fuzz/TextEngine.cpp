// Random keys, typed characters, mouse presses and drags on the one-line text engine: the caret, the
// selection and the drag anchor must stay within the text, which must stay terminated where its
// length says.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "Hfc/Core/HfcTextEngine.h"

namespace {

void Check(const CHfcEditTextEngine& engine) {
    const int length = engine.GetLength();
    const int caret = engine.GetCursorPosition();
    const int start = engine.GetSelectionStart();
    const int end = engine.GetSelectionEnd();
    if (length < 0 || length >= engine.GetCapacity()) std::abort();
    if (std::strlen(engine.GetText()) != static_cast<size_t>(length)) std::abort();
    if (caret < 0 || caret > length || start < 0 || start > length || end < 0 || end > length) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CHfcEditTextEngine engine(nullptr, 1);
    const int cell = size > 0 ? data[0] % 12 : 0;  // 0: no cell width yet
    engine.SetDrawParameters(nullptr, 0, 0, cell, 12, 16);
    if (size > 1 && (data[1] & 1)) engine.SetInputFilter("0123456789 abc");
    for (size_t i = 2; i + 1 < size; i += 2) {
        const int argument = data[i + 1];
        switch (data[i] % 8) {
            case 0:
            case 1:
                engine.Input(argument);
                break;
            case 2:
                engine.KeyDown(argument % 32 == 0 ? 127 : argument % 32, argument >> 7);
                break;
            case 3:
                engine.MouseLButtonDown(nullptr, argument - 64, 0, 0);
                break;
            case 4:
                engine.MouseMove(nullptr, argument * 2 - 128, 0, 0);
                break;
            case 5:
                engine.MouseLostCapture(nullptr);
                break;
            case 6:
                engine.SetSelection(argument % 16 - 2, argument / 16 - 2);
                break;
            default:
                engine.SetCursorPosition(argument % 40 - 4);
                break;
        }
        Check(engine);
    }
    return 0;
}
