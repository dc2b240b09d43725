// The plug-in's editor as the shared object ships it: a window of the editor's size inside the host's
// window, driven by the editor bridge (its pages are still to come, so it shows nothing yet), with the
// stand-in's MIDI display ring.
#include <memory>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Plugin/PluginEditor.h"
#include "Common/Plugin/QorVst.h"
#include "Hfc/Vst/HfcVstEditor.h"

namespace {

class CPluginEditorWindow : public CHfcVstEditor {
public:
    explicit CPluginEditorWindow(AudioEffect* effect) : CHfcVstEditor(effect) {
        HfcSetRect(&m_rcClient, 0, 0, ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight);
    }
};

// What the host calls on the effect's editor goes to the window.
class CWindowedVstEditor : public CHeadlessVstEditor {
public:
    explicit CWindowedVstEditor(AudioEffect* effect)
        : CHeadlessVstEditor(effect), m_window(std::make_unique<CPluginEditorWindow>(effect)) {}

    bool getRect(ERect** rect) override { return m_window->getRect(rect); }
    bool open(void* window) override {
        const bool opened = m_window->open(window);
        systemWindow = opened ? window : nullptr;
        return opened;
    }
    void close() override {
        m_window->close();
        systemWindow = nullptr;
    }
    void idle() override { m_window->idle(); }
    void draw(ERect* rect) override { m_window->draw(rect); }
    VstInt32 mouse(VstInt32 x, VstIntPtr y) override { return m_window->mouse(x, y); }
    VstInt32 key(VstIntPtr keyCode) override { return m_window->key(keyCode); }
    void top() override { m_window->top(); }
    void sleep() override { m_window->sleep(); }
    bool onKeyDown(VstKeyCode& keyCode) override { return m_window->onKeyDown(keyCode); }
    bool onKeyUp(VstKeyCode& keyCode) override { return m_window->onKeyUp(keyCode); }
    bool onWheel(float distance) override { return m_window->onWheel(distance); }
    bool setKnobMode(VstInt32 mode) override { return m_window->setKnobMode(mode); }
    bool Initialize() override { return CHeadlessVstEditor::Initialize() && m_window->Initialize(); }
    bool Uninitialize() override {
        m_window->close();
        m_window->Uninitialize();
        return CHeadlessVstEditor::Uninitialize();
    }

private:
    std::unique_ptr<CPluginEditorWindow> m_window;
};

QorVstEditorBase* CreateWindowed(QorVst* effect, QorX0::IRemoteSynth*) {
    return new CWindowedVstEditor(effect);
}

// Installed when the shared object is loaded, before any effect exists.
struct InstallWindowedEditor {
    InstallWindowedEditor() {
        static PluginEditorHooks hooks = GetHeadlessPluginEditorHooks();
        hooks.createEditor = CreateWindowed;
        SetPluginEditorHooks(&hooks);
    }
} g_installWindowedEditor;

}  // namespace
