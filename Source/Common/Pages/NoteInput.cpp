#include "Common/Pages/NoteInput.h"

#include <algorithm>
#include <string>

#include "Common/Layers/QnSynthLayer.h"
#include "Common/Model/Converters.h"
#include "Common/Model/ParamDesc.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"

namespace NoteInput {

bool Fill(QnSynthLayer* page, unsigned char status, unsigned char note, unsigned char velocity,
          std::initializer_list<int> keyPids, std::initializer_list<int> velocityPids) {
    // A data byte with its top bit set is not MIDI data (a broken or cut message): it is never
    // taken for a key or a velocity.
    if (!page || (status & 0xF0) != 0x90 || note >= 0x80 || velocity >= 0x80) return false;
    CHfcCtrlCharEditText* field = nullptr;
    for (int i = 0; i < page->GetNumControls() && !field; ++i) {
        auto* edit = dynamic_cast<CHfcCtrlCharEditText*>(page->GetControl(i));
        if (edit && edit->IsEditing()) field = edit;
    }
    if (!field) return false;
    const SParamIdInfo link = page->GetParameterIdByControl(field);
    if (!link.section || link.pid == -1) return false;
    auto has = [&](std::initializer_list<int> pids) {
        return std::find(pids.begin(), pids.end(), link.pid) != pids.end();
    };
    int value;
    if (has(keyPids))
        value = note;
    else if (has(velocityPids))
        value = velocity;
    else
        return false;
    QorX0::PARAMDESC desc{};
    if (!page->GetParamDesc(&desc, page->GetTargetMode(), link.pid) || !desc.converter) return false;
    std::string text = desc.converter->Format(value);
    text = text.substr(0, text.find('\0'));
    field->SetPtrValue(text.data(), false);
    return true;
}

}  // namespace NoteInput
