// The standalone program's start: from starting the process to its first frame on the screen (the
// editor window mapped and its menu strip drawn, read back from the server), on a private Xvfb with
// the fake audio device and the built plug-in, then closed. Figures are printed, never asserted;
// without Xvfb or the built program the benchmark says so and stops.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "Support/XvfbServer.h"

#define XEvent XlibEvent
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

constexpr unsigned long kStripFace = 0xE4E4E4;  // the menu strip's face

std::filesystem::path BuildFolder() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
}

Window FindTopLevel(Display* display, const char* title) {
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        char* name = nullptr;
        XWindowAttributes attributes{};
        if (XFetchName(display, children[i], &name) && name != nullptr) {
            if (std::string(name) == title && XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable)
                found = children[i];
            XFree(name);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

unsigned long PixelAt(Display* display, Window window, int x, int y) {
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

// The window's strip shows its face.
bool Drawn(Display* display, Window window) {
    return PixelAt(display, window, 2, 2) == kStripFace;
}

// The editor's view has drawn its on-screen keyboard (a white key below the menu strip).
bool ViewDrawn(Display* display, Window window) {
    return PixelAt(display, window, 137, 24 + 529 + 55) != 0;
}

void CloseWindow(Display* display, Window window) {
    XlibEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);
}

void BM_StartToFirstFrame(benchmark::State& state) {
    const std::filesystem::path build = BuildFolder();
    const std::string program = (build / "Source/Host/tolva-editor").string();
    const std::string plugin = (build / "Source/Common/Plugin/TolvaPlugInEditor.so").string();
    if (access(program.c_str(), X_OK) != 0 || access(plugin.c_str(), R_OK) != 0) {
        state.SkipWithError("the program or the plug-in is not built");
        return;
    }
    CXvfbServer server("1280x1024x24");
    if (!server.Available()) {
        state.SkipWithError(("no Xvfb: " + server.Reason()).c_str());
        return;
    }
    Display* display = XOpenDisplay(server.Name());
    if (display == nullptr) {
        state.SkipWithError("the private X server does not answer");
        return;
    }
    char pattern[] = "/tmp/tolva-bench-start-XXXXXX";
    const std::string folder = mkdtemp(pattern) ? pattern : "/tmp";
    double total = 0, worst = 0, viewTotal = 0;
    int runs = 0, viewRuns = 0;
    bool viewDraws = true;  // until a start shows a view that draws no keyboard
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("DISPLAY", server.Name(), 1);
            setenv("TOLVA_AUDIO", "fake", 1);
            setenv("TOLVA_PLUGIN", plugin.c_str(), 1);
            setenv("HOME", folder.c_str(), 1);
            setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
            setenv("TOLVA_LOCK_DIR", folder.c_str(), 1);
            if (std::freopen("/dev/null", "w", stdout) != nullptr) dup2(1, 2);
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        Window window = 0;
        const auto limit = start + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < limit) {
            if (window == 0) window = FindTopLevel(display, "Tolva Editor");
            if (window != 0 && Drawn(display, window)) break;
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        // Then the editor's own first frame inside it.
        if (window != 0 && viewDraws) {
            const auto viewLimit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!ViewDrawn(display, window) && std::chrono::steady_clock::now() < viewLimit)
                std::this_thread::sleep_for(std::chrono::microseconds(500));
            if (ViewDrawn(display, window)) {
                viewTotal += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                ++viewRuns;
            } else {
                viewDraws = false;
            }
        }
        total += seconds;
        worst = std::max(worst, seconds);
        ++runs;
        if (window != 0) CloseWindow(display, window);
        int status = 0;
        for (int i = 0; i < 2000 && waitpid(pid, &status, WNOHANG) != pid; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (kill(pid, 0) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
        if (window == 0) {
            state.SkipWithError("no window within 20 s");
            break;
        }
    }
    XCloseDisplay(display);
    std::filesystem::remove_all(folder);
    if (runs > 0) {
        state.counters["mean_ms"] = total / runs * 1000.0;
        state.counters["worst_ms"] = worst * 1000.0;
        std::printf(
            "program start to first frame: mean %.1f ms, worst %.1f ms over %d starts (goal 300 ms)\n",
            total / runs * 1000.0, worst * 1000.0, runs);
        if (viewRuns > 0) {
            state.counters["view_ms"] = viewTotal / viewRuns * 1000.0;
            std::printf("program start to the editor's view drawn: mean %.1f ms over %d starts\n",
                        viewTotal / viewRuns * 1000.0, viewRuns);
        } else {
            std::printf("the plug-in's view draws no keyboard: its first frame is not measured\n");
        }
    }
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
