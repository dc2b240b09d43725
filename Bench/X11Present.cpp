// Presenting the editor's window on a real X server (a private Xvfb started here): a full 816 x 600
// frame and one 40 x 40 dirty rectangle, each put to the window and waited for until the server has
// drawn it. Figures are printed, never asserted; without Xvfb the benchmarks say so and stop.
#include <benchmark/benchmark.h>

#include <memory>

#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/X11/HfcX11.h"
#include "Linux/RunLoop.h"
#include "Support/XvfbServer.h"

#define XEvent XlibEvent
#include <X11/Xlib.h>

namespace {

constexpr int kWidth = 816;
constexpr int kHeight = 600;

// The editor's child frame inside a host window, on a server of its own.
struct Screen {
    Screen() : server("1280x1024x24") {
        if (!server.Available()) return;
        host = XOpenDisplay(server.Name());
        if (host == nullptr) return;
        hostWindow = XCreateSimpleWindow(host, DefaultRootWindow(host), 0, 0, 900, 700, 0, 0, 0x808080);
        XMapWindow(host, hostWindow);
        XSync(host, False);
        if (!x11.Open(server.Name())) return;
        HfcFrameParams params;
        params.kind = HfcFrameKind::Child;
        params.parentId = hostWindow;
        params.width = kWidth;
        params.height = kHeight;
        frame = x11.CreateFrame(params, nullptr);
        if (frame == nullptr) return;
        // Something other than one colour, so that nothing is cheaper than it would be for real art.
        CHfcBmp* back = frame->GetBackBuffer();
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                back->SetPixel(x, y, 0xFF000000u | static_cast<uint32_t>((x * 7) ^ (y * 13)) * 0x010101u);
        x11.Sync();
    }
    ~Screen() {
        if (frame != nullptr) x11.DestroyFrame(frame);
        x11.Close();
        if (host != nullptr) XCloseDisplay(host);
    }
    bool Ready() const { return frame != nullptr; }

    RunLoop loop;
    CXvfbServer server;
    Display* host = nullptr;
    Window hostWindow = 0;
    CHfcX11Platform x11;
    IHfcFrame* frame = nullptr;
};

// Presents the rectangle (x, y, width, height) again and again.
void Present(benchmark::State& state, int x, int y, int width, int height) {
    Screen screen;
    if (!screen.Ready()) {
        state.SkipWithError("no private X server (Xvfb) to present to");
        return;
    }
    const tagHfcRect rect{x, y, x + width, y + height};
    for (auto _ : state) {
        screen.frame->Present(&rect, 1);
        screen.x11.Sync();  // until the server has drawn it
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}

void BM_PresentFullFrame(benchmark::State& state) {
    Present(state, 0, 0, kWidth, kHeight);
}
BENCHMARK(BM_PresentFullFrame)->Unit(benchmark::kMillisecond);

void BM_PresentDirtyRect40(benchmark::State& state) {
    Present(state, 100, 100, 40, 40);
}
BENCHMARK(BM_PresentDirtyRect40)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
