#include "Common/Plugin/PluginEditor.h"

#include "Common/Plugin/QorVst.h"
#include "Linux/MidiIO/MidiFifo.h"

namespace {
bool ManagerUp() {
    return true;
}
void ManagerDown() {}
void NoModel(unsigned char) {}
QorVstEditorBase* CreateHeadless(QorVst* effect, QorX0::IRemoteSynth*) {
    return new CHeadlessVstEditor(effect);
}

const PluginEditorHooks kHeadless = {
    {ManagerUp, ManagerUp, ManagerUp},
    {ManagerDown, ManagerDown, ManagerDown},
    NoModel,
    CreateHeadless,
};
const PluginEditorHooks* g_hooks = &kHeadless;
}  // namespace

void SetPluginEditorHooks(const PluginEditorHooks* hooks) {
    g_hooks = hooks != nullptr ? hooks : &kHeadless;
}

const PluginEditorHooks& GetPluginEditorHooks() {
    return *g_hooks;
}

const PluginEditorHooks& GetHeadlessPluginEditorHooks() {
    return kHeadless;
}

CHeadlessVstEditor::CHeadlessVstEditor(AudioEffect* effect) : QorVstEditorBase(effect) {}

CHeadlessVstEditor::~CHeadlessVstEditor() {
    delete m_ring;
}

bool CHeadlessVstEditor::getRect(ERect** rect) {
    *rect = &m_rect;
    return true;
}

bool CHeadlessVstEditor::open(void* window) {
    AEffEditor::open(window);
    // No window to show in a build without the toolkit.
    systemWindow = nullptr;
    return false;
}

bool CHeadlessVstEditor::Initialize() {
    if (m_ring == nullptr) m_ring = new CMidiFifo(QorVst::kRingSize);
    if (effect != nullptr) effect->setEditor(this);
    return true;
}

bool CHeadlessVstEditor::Uninitialize() {
    delete m_ring;
    m_ring = nullptr;
    return true;
}

bool CHeadlessVstEditor::MidiIn(unsigned char status, unsigned char data1, unsigned char data2) {
    return m_ring != nullptr && m_ring->Push(status, data1, data2, 0);
}

int CHeadlessVstEditor::PendingMidi() const {
    return m_ring != nullptr ? m_ring->Count() : 0;
}
