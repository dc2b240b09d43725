// Factories of the browsers and dialogs.
#include "Common/Editor/Browsers.h"

CTabPageLayer* NewPickListBrowser(int, QorX0::IRemoteSynth*, int, int) {
    return nullptr;
}
const char* PickListBrowserName(int) {
    return "";
}
CTabPageLayer* NewWriteBrowser(QorX0::IRemoteSynth*) {
    return nullptr;
}
CTabPageLayer* NewRenameBrowser(QorX0::IRemoteSynth*, int) {
    return nullptr;
}
CTabPageLayer* NewBlueBrowserPage(BlueBrowserData*, bool) {
    return nullptr;
}
int GetCategory(int, QorX0::ISound*) {
    return -1;
}

BlueBrowserData::BlueBrowserData(QorX0::IRemoteSynth* synth) : m_pSynth(synth) {}
BlueBrowserData::~BlueBrowserData() {
    Unadvise();
}
bool BlueBrowserData::Advise() {
    return false;
}
void BlueBrowserData::Unadvise() {}
void BlueBrowserData::AddBrowser(CTabPageLayer*) {}
void BlueBrowserData::RemoveAllBrowsers() {
    m_browsers.clear();
}
void BlueBrowserData::OnIdle() {
    ProcessEventQueue();
}
void BlueBrowserData::SetCurrentSound(const QorX0::SOUNDINDEX& index) {
    m_audition = index;
}
void BlueBrowserData::OKAudition() {}
void BlueBrowserData::CancelAudition() {}
void BlueBrowserData::UpdateSelection() {}
void BlueBrowserData::UpdateAllBrowsers(CTabPageLayer*, bool) {}
void BlueBrowserData::ResetAll() {}
void BlueBrowserData::OnIdleRemoteSynthConnectionStateChanged(QorX0::IRemoteSynth*, bool, bool) {}
void BlueBrowserData::OnIdleRemoteSynthModeChanged(QorX0::IRemoteSynth*, int) {}
void BlueBrowserData::OnIdleRemoteSynthBankListChanged(QorX0::IRemoteSynth*, int, const QorX0::SOUNDINDEX&) {}
void BlueBrowserData::OnIdleRemoteSynthAuditionStateChanged(QorX0::IRemoteSynth*, bool) {}
