#pragma once
// The plug-in with its real editor window, over the real remote synthesizer connected to the simulated
// instrument on the loopback, opened headless inside a host window of a virtual screen. Input is a
// person's (pointer and keys on the screen), the clock is the test thread's loop, and the window is
// seen as PNG snapshots written to build/<preset>/Tests/gallery/editor/.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Editor/AboutLayer.h"
#include "Common/Editor/BackgroundLayer.h"
#include "Common/Editor/ModalLayer.h"
#include "Common/Editor/QorVstEditor.h"
#include "Common/Layers/TabControl.h"
#include "Common/Plugin/AtomicInstance.h"
#include "Common/Plugin/QorVst.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Headless/HfcHeadless.h"
#include "Linux/AsyncProgressHeadless.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/RunLoop.h"
#include "Support/SimInstrument.h"
#include "Support/SimLoopback.h"
#include "Support/TempConfigHome.h"
#include "Support/TestHost.h"

namespace WindowTest {

inline std::string GalleryPath(const std::string& name) {
    const std::filesystem::path dir =
        std::filesystem::canonical("/proc/self/exe").parent_path() / "gallery" / "editor";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    return (dir / (name + ".png")).string();
}

// The host's side: what the plug-in called back, in order.
struct HostLog {
    static inline std::mutex lock;
    static inline std::vector<TestHost::Call> calls;
    static inline std::string product = "Test Host";
    static VstIntPtr Callback(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                              float opt) {
        {
            std::lock_guard<std::mutex> hold(lock);
            calls.push_back(TestHost::Call{opcode, index, value, opt, std::this_thread::get_id()});
        }
        if (opcode == audioMasterVersion) return 2400;
        if (opcode == audioMasterGetProductString && ptr != nullptr) {
            std::strcpy(static_cast<char*>(ptr), product.c_str());
            return 1;
        }
        return 0;
    }
    static std::vector<TestHost::Call> Of(VstInt32 opcode) {
        std::lock_guard<std::mutex> hold(lock);
        std::vector<TestHost::Call> out;
        for (const auto& c : calls)
            if (c.opcode == opcode) out.push_back(c);
        return out;
    }
    static void Clear() {
        std::lock_guard<std::mutex> hold(lock);
        calls.clear();
    }
};

inline std::string g_portName;

class EditorWindow : public ::testing::Test {
protected:
    static constexpr int kHostX = 40;
    static constexpr int kHostY = 30;

    void SetUp() override {
        char pattern[] = "/tmp/tolva-window-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        CAtomicInstance::SetFolder(m_dir);
        MidiBackendSet(&m_loopback);
        HfcSetMessageBoxHook([this](const HfcMessageBoxRequest& r) {
            boxes.push_back(r.caption + " / " + r.text);
            return boxAnswer ? boxAnswer(r) : static_cast<int>(HFC_MB_RESULT_CANCEL);
        });
        m_screen.Install();
        // Plain pages of the modal browsers' names: the frame around them is what is tested here.
        BackgroundLayer::SetModalPageFactory(
            [](QorX0::IRemoteSynth* synth, int kind, int type) -> CTabPageLayer* {
                static constexpr const char* kPickLists[6] = {"LoadProgram", "Load Effect",
                                                              "Load Effect", "Load Effect",
                                                              "Load Effect", "Load ArpeggioPattern"};
                if (kind == 0)
                    return type >= 0 && type < 6 ? new CTabPageLayer(synth, kPickLists[type]) : nullptr;
                return new CTabPageLayer(synth, kind == 1 ? "WriteProgram" : "RenameBrowser");
            });
        HostLog::Clear();
        HostLog::product = "Test Host";
    }
    void TearDown() override {
        CloseEffect();
        BackgroundLayer::SetModalPageFactory(nullptr);
        HfcSetPopupMenuHook(nullptr);
        QorVst::SetSynthFactory(nullptr);
        SetPluginEditorHooks(nullptr);
        m_port.reset();
        m_sim.reset();
        MidiBackendSet(nullptr);
        HfcSetMessageBoxHook(nullptr);
        CAtomicInstance::SetFolder("");
        std::filesystem::remove_all(m_dir);
    }

    // The instrument, the effect over it, connected; the editor open unless told otherwise.
    void Start(bool open = true, bool connect = true) {
        if (m_sim == nullptr) {
            m_sim = std::make_unique<Sim::SimInstrument>(static_cast<Sim::Model>(model), 0);
            m_port = std::make_unique<Sim::SimLoopbackPort>(m_loopback, *m_sim);
            m_sim->With([](Sim::SimCore& c) { c.Image().FillFactory(7); });
        }
        g_portName = connect ? m_port->KeyName() : std::string("nowhere");
        QorVst::SetSynthFactory([](unsigned char m) -> QorX0::IRemoteSynth* {
            QorX0::IRemoteSynth* synth = QorX0::RemoteSynthCreate(m);
            synth->SetMIDIInPortName(g_portName.c_str());
            synth->SetMIDIOutPortName(g_portName.c_str());
            return synth;
        });
        SetPluginEditorHooks(&QorVstEditorShell::Hooks());
        effect = static_cast<AEffect*>(QorVst::CreateInstance(model, &HostLog::Callback));
        ASSERT_NE(effect, nullptr);
        vst = static_cast<QorVst*>(AudioEffect::FromAEffect(effect));
        synth = vst->GetRemoteSynth();
        if (connect) {
            ASSERT_TRUE(m_loop.RunUntil(
                [&] { return synth->GetConnectionState(nullptr, nullptr, nullptr, nullptr, nullptr); },
                20000));
            Settle();
        } else {
            Pump(300);
        }
        if (open) Open();
    }
    virtual void Open() {
        m_hostWindow = m_screen.CreateForeignWindow(kHostX, kHostY, 900, 700);
        ASSERT_EQ(effect->dispatcher(effect, effEditOpen, 0, 0, reinterpret_cast<void*>(m_hostWindow), 0), 1);
        ASSERT_NE(Root(), nullptr);
        Pump(300);
    }
    void CloseWindow() { effect->dispatcher(effect, effEditClose, 0, 0, nullptr, 0); }
    void CloseEffect() {
        if (effect == nullptr) return;
        effect->dispatcher(effect, effClose, 0, 0, nullptr, 0);
        effect = nullptr;
        vst = nullptr;
        synth = nullptr;
    }

    QorVstEditor* Editor() const {
        auto* shell = vst != nullptr ? dynamic_cast<QorVstEditorShell*>(vst->getEditor()) : nullptr;
        return shell != nullptr ? shell->GetWindow() : nullptr;
    }
    BackgroundLayer* Root() const { return Editor() != nullptr ? Editor()->GetRootLayer() : nullptr; }
    CTabControl* Tab(int tab) const { return Root()->GetMainTab(tab); }
    CHfcControl* Control(int id, int sub = 0) const { return Root()->GetControlById(id, sub); }
    std::string Text(int id) const {
        CHfcControl* c = Control(id);
        return c != nullptr && c->GetPtrValue() != nullptr ? static_cast<const char*>(c->GetPtrValue()) : "";
    }

    virtual void Pump(uint32_t ms = 60) {
        m_loop.RunUntil([] { return false; }, ms);
    }
    template <class F>
    bool PumpUntil(F cond, uint32_t ms = 5000) {
        return m_loop.RunUntil(cond, ms);
    }
    // What the instrument sends has arrived and the window has shown it.
    void Settle() {
        m_sim->WaitIdle();
        Pump(150);
        if (m_sim) m_sim->WaitIdle();
        Pump(100);
    }

    // Input at window coordinates.
    virtual void Click(int x, int y) {
        m_screen.MoveTo(kHostX + x, kHostY + y);
        m_screen.Click();
        Pump(60);
    }
    virtual void Press(int x, int y) {
        m_screen.MoveTo(kHostX + x, kHostY + y);
        m_screen.ButtonDown();
    }
    virtual void Release() { m_screen.ButtonUp(); }
    virtual void DragTo(int x, int y) { m_screen.MoveTo(kHostX + x, kHostY + y); }
    void ClickControl(int id, int sub = 0) {
        CHfcControl* c = Control(id, sub);
        ASSERT_NE(c, nullptr) << "control " << id;
        const tagHfcRect r = c->GetRect();
        Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    // A knob turned up by a drag from its centre, in steps as a hand moves, then let go.
    void DragKnobUp(int id, int sub = 0) {
        CHfcControl* c = Control(id, sub);
        ASSERT_NE(c, nullptr) << "control " << id;
        const tagHfcRect r = c->GetRect();
        const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
        Press(cx, cy);
        for (int y = cy; y >= cy - 30; y -= 3) {
            DragTo(cx, y);
            Pump(10);
        }
        Release();
        Settle();
    }

    virtual std::unique_ptr<CHfcBmp> Shot() {
        Pump(60);
        auto whole = m_screen.Snapshot();
        auto bmp = std::make_unique<CHfcBmp>();
        bmp->Create(ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight);
        for (int y = 0; y < ArtGeometry::kWindowHeight; ++y)
            for (int x = 0; x < ArtGeometry::kWindowWidth; ++x)
                bmp->SetPixel(x, y, whole->GetPixel(kHostX + x, kHostY + y));
        return bmp;
    }
    void Save(const std::string& name) {
        auto bmp = Shot();
        EXPECT_TRUE(HfcWritePng(bmp.get(), GalleryPath(name).c_str()));
    }

    // Messages the instrument received since the logs were last cleared, as "90 3c 40".
    std::vector<std::string> Received() {
        auto messages = m_sim->With([](Sim::SimCore& c) { return c.ReceivedMessages(); });
        std::vector<std::string> out;
        for (const auto& m : messages) {
            std::string s;
            char b[8];
            for (uint8_t byte : m.bytes) {
                std::snprintf(b, sizeof b, "%s%02x", s.empty() ? "" : " ", byte);
                s += b;
            }
            out.push_back(s);
        }
        return out;
    }
    bool HasReceived(const std::string& message) {
        for (const std::string& m : Received())
            if (m == message) return true;
        return false;
    }
    void ClearLogs() {
        m_sim->With([](Sim::SimCore& c) { c.ClearLogs(); });
    }
    // One audio block as the host's audio thread gives it (host-path MIDI goes out).
    void Block() { TestHost::Process(effect, {}, 256); }

    unsigned char model = QorX0::kPmidTolva;  // of the plug-in and the instrument
    Sim::TempConfigHome m_config;
    RunLoop m_loop;
    CAsyncProgressHeadless m_headless;
    CHfcHeadlessScreen m_screen{1280, 800};
    CMidiLoopback m_loopback;
    std::unique_ptr<Sim::SimInstrument> m_sim;
    std::unique_ptr<Sim::SimLoopbackPort> m_port;
    std::string m_dir;
    uintptr_t m_hostWindow = 0;
    AEffect* effect = nullptr;
    QorVst* vst = nullptr;
    QorX0::IRemoteSynth* synth = nullptr;
    std::vector<std::string> boxes;
    std::function<int(const HfcMessageBoxRequest&)> boxAnswer;
};

}  // namespace WindowTest
