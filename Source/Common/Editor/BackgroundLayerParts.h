#pragma once
// What the root layer's source files share: the pages and browsers the window is built from,
// page catalogue and the browsers once they exist, plain pages of the right kind until then), the
// factory for the panel's own switches, and the scope of the UI lock.
#include <string>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Editor/BackgroundLayer.h"
#include "Linux/Sync.h"

class CTabPageLayer;

namespace EditorParts {

// The main tabs, in the window's order: strip image and page count.
struct MainTabInfo {
    const char* image;
    int pages;
};
inline constexpr MainTabInfo kMainTabInfo[BackgroundLayer::kTabCount] = {
    {"Tab_Combi_Main", 8},
    {"Tab_Multi_Main", 8},
    {"Tab_Prog_Main", 10},
    {"Tab_Global_Main_Tolva", 6},
};

// A new page of a main tab (constructed, not created); null out of range.
CTabPageLayer* NewMainPage(QorX0::IRemoteSynth* synth, int tab, int index);
const char* MainPageBackground(int tab, int index);
// The pages of the modal browsers (null for an unknown type) and the sound browsers.
CTabPageLayer* NewPickList(int type, QorX0::IRemoteSynth* synth, int section, int paramId);
CTabPageLayer* NewWrite(QorX0::IRemoteSynth* synth);
CTabPageLayer* NewRename(QorX0::IRemoteSynth* synth, int kind);
BlueBrowserData* NewBrowserData(QorX0::IRemoteSynth* synth);
void DeleteBrowserData(BlueBrowserData* data);
bool AdviseBrowserData(BlueBrowserData* data);
void UnadviseBrowserData(BlueBrowserData* data);
CTabPageLayer* NewSoundBrowser(BlueBrowserData* data, QorX0::IRemoteSynth* synth, bool big);
void BrowserDataIdle(BlueBrowserData* data);
void BrowserDataRefresh(BlueBrowserData* data);
void BrowserDataCancelAudition(BlueBrowserData* data);
void BrowserDataJump(BlueBrowserData* data, bool category, int value);

// Page kinds the window asks about.
bool IsEditPage(CTabPageLayer* page);
int EditPageTargetMode(CTabPageLayer* page);
void SetActiveSublevel(CTabPageLayer* page, int sublevel);
CombiMultiLayerBase* AsCombiMultiPage(CTabPageLayer* page);
void TrackShiftPage(CombiMultiLayerBase* page, int delta);
bool IsTrackShiftAllowed(CombiMultiLayerBase* page);
// The plug-in's product string, "" without one; the plug-in as the standalone program runs it.
std::string ProductString(AudioEffect* effect);
bool IsStandalone(AudioEffect* effect);
bool MidiInFromGUI(AudioEffect* effect, unsigned char status, unsigned char data1, unsigned char data2);

// The panel's switches: two faces per two-state switch, a normal and a pressed face per one-state
// button.
class PanelCreater : public QnControlCreater {
public:
    explicit PanelCreater(CHfcBmp* background) : QnControlCreater(background, 0, 0) {}
    CHfcCtrlSwitch* Switch(int x, int y, const std::string& image, int states, int id, int sub);
    CHfcCtrlTextSwitch* TextSwitch(int x, int y, const std::string& image, int states, uint32_t colour,
                                   int id);
    // A character edit text over the window background, in the display's colour.
    CHfcCtrlCharEditText* DisplayEdit(int x, int y, int width, int height, int maxChars, const char* font,
                                      int id);
};

class UILockScope {
public:
    explicit UILockScope(CHfcCriticalSection& lock) : m_lock(lock) { m_lock.Lock(); }
    ~UILockScope() { m_lock.Unlock(); }
    UILockScope(const UILockScope&) = delete;
    UILockScope& operator=(const UILockScope&) = delete;

private:
    CHfcCriticalSection& m_lock;
};

}  // namespace EditorParts
