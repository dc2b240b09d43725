#include "Common/Editor/QorVstEditor.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "Common/Editor/BackgroundLayer.h"
#include "Common/Layers/QnLayerBase.h"
#include "Common/Plugin/AudioEffectX.h"
#include "Common/Plugin/QorVst.h"
#include "Common/QnUtils/QnUtils.h"
#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Linux/MidiIO/MidiFifo.h"

QorVstEditor::QorVstEditor(AudioEffect* effect, QorX0::IRemoteSynth* synth, AEffEditor* registered)
    : CHfcVstEditor(effect),
      m_pRegistered(registered != nullptr ? registered : this),
      m_pSynth(synth),
      m_uLastTick(HfcGetSystemTimeMs()) {}

QorVstEditor::~QorVstEditor() {
    close();
    std::lock_guard<std::mutex> hold(m_ringLock);
    delete m_pRing;
    m_pRing = nullptr;
}

void QorVstEditor::GetDefaultWindowSize(long* width, long* height) {
    CHfcBmp* base = BackgroundLayer::GetBaseImage();
    if (width != nullptr) *width = base != nullptr ? base->GetWidth() : 0;
    if (height != nullptr) *height = base != nullptr ? base->GetHeight() : 0;
}

bool QorVstEditor::Initialize() {
    CHfcVstEditor::Initialize();
    SetUpdateMethod(1);
    long width = 0, height = 0;
    GetDefaultWindowSize(&width, &height);
    HfcSetRect(&m_rcClient, 0, 0, static_cast<int>(width), static_cast<int>(height));
    {
        std::lock_guard<std::mutex> hold(m_ringLock);
        if (m_pRing == nullptr) m_pRing = new CMidiFifo(kRingSize);
    }
    if (m_pSynth != nullptr && !m_bSinkAdvised) m_bSinkAdvised = m_pSynth->AdviseSink(this);
    if (effect != nullptr) effect->setEditor(m_pRegistered);
    if (auto* vst = dynamic_cast<QorVst*>(effect)) {
        char product[256] = {};
        if (vst->getProductString(product) && product[0] != 0) QnUtils::mProductName = product;
        // The host was asked once, on a host thread, when the effect started: this thread never asks
        // it while a host thread waits for it.
        m_bOwnTimer = !vst->IsHostRTASWrapper();
        SetInstallTimer(m_bOwnTimer);
    }
    return true;
}

bool QorVstEditor::Uninitialize() {
    // A host that goes without closing the window first: the layers leave the synthesizer now.
    close();
    if (m_pSynth != nullptr && m_bSinkAdvised) m_pSynth->UnadviseSink(this);
    m_bSinkAdvised = false;
    {
        std::lock_guard<std::mutex> hold(m_ringLock);
        delete m_pRing;
        m_pRing = nullptr;
    }
    return CHfcVstEditor::Uninitialize();
}

bool QorVstEditor::MidiIn(unsigned char status, unsigned char data1, unsigned char data2) {
    std::lock_guard<std::mutex> hold(m_ringLock);
    return m_pRing != nullptr && m_pRing->Push(status, data1, data2, 0);
}

int QorVstEditor::PendingMidi() const {
    std::lock_guard<std::mutex> hold(m_ringLock);
    return m_pRing != nullptr ? m_pRing->Count() : 0;
}

bool QorVstEditor::AddParamListener(CParamListener* listener) {
    if (listener == nullptr) return false;
    m_listeners.push_back(listener);
    return true;
}

void QorVstEditor::RemoveParamListener(CParamListener* listener) {
    if (listener == nullptr) return;
    auto it = std::find(m_listeners.begin(), m_listeners.end(), listener);
    if (it != m_listeners.end()) m_listeners.erase(it);
}

int QorVstEditor::TellListeners(long index) {
    const float value = effect != nullptr ? effect->getParameter(static_cast<VstInt32>(index)) : 0.0f;
    for (CParamListener* listener : m_listeners) listener->OnSetParameter(index, value);
    return static_cast<int>(m_listeners.size());
}

void QorVstEditor::DoUpdate() {
    if (m_abPending[4]) {
        std::fill(std::begin(m_abPending), std::end(m_abPending), false);
        for (long i = 0; i < 4; ++i) TellListeners(i);
        return;
    }
    for (long i = 0; i < 4; ++i) {
        if (!m_abPending[i]) continue;
        m_abPending[i] = false;
        TellListeners(i);
    }
}

bool QorVstEditor::open(void* window) {
    const bool opened = CHfcVstEditor::open(window);
    if (opened && m_pRoot != nullptr) OnIdle();
    return opened;
}

void QorVstEditor::draw(ERect*) {
    if (GetFrame() == nullptr) return;
    tagHfcRect rect{};
    GetClientRect(&rect);
    UpdateNoFlush(&rect);
    GetFrame()->Present(&rect, 1);
}

void QorVstEditor::UpdateNoFlush(tagHfcRect* rect) {
    if (GetFrame() == nullptr) return;
    tagHfcRect client{};
    GetClientRect(&client);
    tagHfcRect r = client;
    if (rect != nullptr) {
        r.left = std::max(rect->left, client.left);
        r.top = std::max(rect->top, client.top);
        r.right = std::min(rect->right, client.right);
        r.bottom = std::min(rect->bottom, client.bottom);
    }
    if (r.right <= r.left || r.bottom <= r.top) return;
    CHfcDrawContext context(GetFrame()->GetBackBuffer());
    OnUpdate(&context, &r);
    OnPostUpdate(&context, &r);
    context.Flush();
}

bool QorVstEditor::OnCreate() {
    if (!CHfcVstEditor::OnCreate()) return true;
    // A window opened again after a long while starts its clock afresh.
    m_uLastTick = HfcGetSystemTimeMs();
    m_pRoot = new BackgroundLayer(effect, m_pSynth);
    CHfcBmp* base = BackgroundLayer::GetBaseImage();
    tagHfcRect whole{};
    HfcSetRect(&whole, 0, 0, base != nullptr ? base->GetWidth() : 0, base != nullptr ? base->GetHeight() : 0);
    AddUpdateRect(&whole);
    if (!m_pRoot->Create(this)) return true;
    AddParamListener(m_pRoot);
    m_pRoot->Show(false);
    m_pRoot->RequestRedraw();
    return true;
}

void QorVstEditor::OnIdle() {
    {
        // Only what is in the ring when the tick begins; what comes meanwhile waits for the next.
        std::unique_lock<std::mutex> hold(m_ringLock);
        int count = m_pRing != nullptr ? m_pRing->Count() : 0;
        while (count-- > 0 && m_pRing != nullptr) {
            tagMidiData entry{};
            if (!m_pRing->Pop(&entry)) break;
            hold.unlock();
            if (m_pRoot != nullptr) m_pRoot->OnMidiIn(entry.status, entry.data1, entry.data2);
            hold.lock();
        }
    }
    DoUpdate();
    const uint32_t now = HfcGetSystemTimeMs();
    const uint32_t elapsed = now - m_uLastTick;
    // The layers as the tick begins: a layer closed by an earlier one's idle is skipped, one opened
    // waits for the next tick.
    std::vector<QnLayerBase*> layers;
    for (int i = 0; i < GetNumLayers(); ++i) {
        auto* layer = dynamic_cast<QnLayerBase*>(GetLayerByIndex(i));
        if (layer != nullptr) layers.push_back(layer);
    }
    for (QnLayerBase* layer : layers) {
        bool present = false;
        for (int i = 0; i < GetNumLayers() && !present; ++i)
            present = GetLayerByIndex(i) == static_cast<CHfcWindowLayer*>(layer);
        if (present && layer->IsVisible()) layer->Idle(elapsed);
    }
    m_uLastTick = now;
    FlushUpdateRect();
}

void QorVstEditor::OnDestroy() {
    if (BackgroundLayer* root = m_pRoot) {
        RemoveParamListener(root);
        RemoveLayer(root, false);
        root->Destroy();
        delete root;
        m_pRoot = nullptr;
    }
    while (GetNumLayers() > 0) {
        CHfcWindowLayer* layer = GetLayerByIndex(0);
        RemoveLayer(layer, false);
        layer->Destroy();
        delete layer;
    }
    RemoveAllLayers(false);
    CHfcVstEditor::OnDestroy();
}

#include "Common/Layers/EditorManagers.h"
#include "Common/Plugin/QorVst.h"

QorVstEditorShell::QorVstEditorShell(AudioEffect* effect, QorX0::IRemoteSynth* synth)
    : QorVstEditorBase(effect), m_pWindow(new QorVstEditor(effect, synth, this)) {}

QorVstEditorShell::~QorVstEditorShell() {
    delete m_pWindow;
}

bool QorVstEditorShell::open(void* window) {
    const bool opened = m_pWindow->open(window);
    systemWindow = opened ? window : nullptr;
    return opened;
}

void QorVstEditorShell::close() {
    m_pWindow->close();
    systemWindow = nullptr;
}

namespace {
QorVstEditorBase* CreateShell(QorVst* effect, QorX0::IRemoteSynth* synth) {
    return new QorVstEditorShell(effect, synth);
}
void SetEditorModel(unsigned char model) {
    QnUtils::mPMID = model;
}
}  // namespace

const PluginEditorHooks& QorVstEditorShell::Hooks() {
    static const PluginEditorHooks hooks = [] {
        PluginEditorHooks h = EditorManagerHooks(GetHeadlessPluginEditorHooks());
        h.createEditor = CreateShell;
        h.setModel = SetEditorModel;
        return h;
    }();
    return hooks;
}
