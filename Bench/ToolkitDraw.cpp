// The toolkit's drawing on an editor-sized window (816 x 600): the composite of three layers into the
// window's buffer (goal under 4 ms), one control redrawn and its dirty rectangle flushed (goal under
// 0.5 ms), the PNG decode of an 816 x 600 RGBA image, the integer blend's throughput and a 16-character
// proportional text. Figures are printed, never asserted.
#include <benchmark/benchmark.h>
#include <png.h>

#include <memory>
#include <vector>

#include "Hfc/Core/HfcControl.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Hfc/Headless/HfcHeadless.h"

namespace {

constexpr int kWidth = 816;
constexpr int kHeight = 600;

class BenchWindow : public CHfcWindow {
public:
    BenchWindow() { m_bDeleteOnDispose = false; }
};

// A control the size of a knob that draws a face and a value text.
class BenchKnob : public CHfcControl {
public:
    void Draw(CHfcDrawContext* context) override {
        context->SetBrushColor(0xFF202020);
        context->FillRect(&m_rect);
        context->SetBrushColor(0xFFE0E0E0);
        context->FillArc(m_rect.left + 20.0f, m_rect.top + 20.0f, 16.0f, 3.9269908f, 4.712389f * m_fValue);
    }
};

struct Editor {
    CHfcHeadlessScreen screen{1280, 800};
    BenchWindow window;
    CHfcWindowLayer background, page, popup;
    BenchKnob knob;
    Editor() {
        screen.Install();
        window.Create("bench", 0, 0, kWidth, kHeight, 0, nullptr, nullptr, nullptr);
        window.Show();
        background.Create(0, 0, kWidth, kHeight, &window);
        page.Create(0, 0, kWidth, kHeight, &window);
        popup.Create(0, 0, kWidth, kHeight, &window);
        // An opaque background, a page with transparent gaps and an overlay with soft edges.
        background.GetContext()->SetBrushColor(0xFF404850);
        background.GetContext()->FillRect(0, 0, kWidth, kHeight);
        CHfcBmp* p = page.GetContext()->GetBmp();
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) p->SetPixel(x, y, ((x / 40 + y / 40) % 3 == 0) ? 0 : 0xFFC0C8D0);
        CHfcBmp* o = popup.GetContext()->GetBmp();
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                o->SetPixel(x, y, (x > 200 && x < 600) ? 0x60000000u | (x & 0xFF) : 0);
        background.Show(false);
        page.Show(false);
        popup.Show(false);
        knob.Create(300, 200, 40, 40, 1);
        knob.Show(false);
        page.AddControl(&knob, false);
        window.SetUpdateMethod(1);
    }
};

void BM_CompositeThreeLayers(benchmark::State& state) {
    Editor editor;
    for (auto _ : state) editor.window.DrawLayers(true);
    state.SetLabel("816x600, 3 layers");
}
BENCHMARK(BM_CompositeThreeLayers)->Unit(benchmark::kMillisecond);

void BM_ControlRedrawAndFlush(benchmark::State& state) {
    Editor editor;
    float v = 0.0f;
    for (auto _ : state) {
        v = v > 1.0f ? 0.0f : v + 0.01f;
        editor.knob.SetFloatValue(v, true);
        editor.knob.Update(true, false);
        editor.window.FlushUpdateRect();
    }
}
BENCHMARK(BM_ControlRedrawAndFlush)->Unit(benchmark::kMicrosecond);

std::vector<uint8_t> EncodeRgba(int w, int h) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) return {};
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep d, png_size_t n) {
            auto* v = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
            v->insert(v->end(), d, d + n);
        },
        [](png_structp) {});
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uint8_t> row(static_cast<size_t>(w) * 4);
    uint32_t seed = 1;
    for (int y = 0; y < h; ++y) {
        // Art-like content: smooth gradients with some noise.
        for (int x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            row[x * 4 + 0] = static_cast<uint8_t>(x / 4 + (seed >> 30));
            row[x * 4 + 1] = static_cast<uint8_t>(y / 3);
            row[x * 4 + 2] = static_cast<uint8_t>((x + y) / 6);
            row[x * 4 + 3] = static_cast<uint8_t>(x < 100 ? x * 2 : 255);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

void BM_PngDecodeEditorSized(benchmark::State& state) {
    const std::vector<uint8_t> file = EncodeRgba(kWidth, kHeight);
    for (auto _ : state) {
        CHfcBmp bmp;
        benchmark::DoNotOptimize(bmp.LoadPNGFromMemory(file.data(), file.size()));
    }
    state.SetLabel(std::to_string(file.size() / 1024) + " KB file");
}
BENCHMARK(BM_PngDecodeEditorSized)->Unit(benchmark::kMillisecond);

void BM_OffscreenBlend(benchmark::State& state) {
    CHfcOffscreenContext ctx(kWidth, kHeight);
    CHfcBmp src;
    src.Create(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            src.SetPixel(x, y, static_cast<uint32_t>(x * 7 + y) << 24 | 0x406080);
    const bool alpha = state.range(0) != 0;
    for (auto _ : state) {
        if (alpha) {
            ctx.CopyBmpAlpha(0, 0, kWidth, kHeight, &src, 0.5f, 0, 0);
        } else {
            ctx.CopyBmp(0, 0, kWidth, kHeight, &src, 0, 0);
        }
    }
    state.counters["Mpx/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kWidth * kHeight / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OffscreenBlend)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ProportionalText16(benchmark::State& state) {
    tagHfcBmpFontInfo font{};
    if (!HfcLoadBmpFont("HfcUiFont", &font)) {
        state.SkipWithError("no chrome font");
        return;
    }
    CHfcOffscreenContext ctx(200, 20);
    for (auto _ : state) ctx.DrawBmpTextProportional(2, 2, "Init Program 127", 196, &font, 0xFF000000, false);
    HfcFreeBmpFont(&font);
}
BENCHMARK(BM_ProportionalText16)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
