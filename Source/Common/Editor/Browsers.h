#pragma once
// The window's browsers: the pick-list browsers, the write and rename dialogs (modal pages the root
// layer places on a modal layer) and the two sound browser pages with their shared data.
#include <string>
#include <vector>

#include "Common/Layers/QnRemoteSynthEventHandler.h"
#include "Common/Model/SynthData.h"

class CTabPageLayer;
class BlueBrowserBase;
namespace QorX0 {
class IRemoteSynth;
class ISound;
}  // namespace QorX0

// Pick-list types, in the window's type table: 0 program, 1 effect, 2 multisample, 3 drum sample,
// 4 drum kit, 5 arpeggio pattern. A new page (not created) for the parameter paramId of the
// section kind; null for any other type.
CTabPageLayer* NewPickListBrowser(int type, QorX0::IRemoteSynth* synth, int section, int paramId);
// The page name of a pick-list type ("" for an unknown type).
const char* PickListBrowserName(int type);
CTabPageLayer* NewWriteBrowser(QorX0::IRemoteSynth* synth);
// kind 0 drum kits, 1 arpeggio patterns, 2 external-control sets.
CTabPageLayer* NewRenameBrowser(QorX0::IRemoteSynth* synth, int kind);

// What the browsers share. The scroll maximum of a list of that many items: items - rows with
// one column, else ceil(items / rows) - columns; never below 0.
int BrowserScrollMaximum(int items, int rows, int columns);
// A name as the instrument can hold it: printable ASCII only (other bytes dropped), at most 16.
std::string InstrumentName(const char* text);
// The characters a name field accepts as typed.
const char* InstrumentNameCharacters();

// The category of a stored sound: combinations the low 4 bits of byte 118, programs byte 110 (0
// when the byte cannot be read); -1 in any other sound mode.
int GetCategory(int soundMode, QorX0::ISound* sound);

// What the two sound browser pages share: the filters and the sound being auditioned. It observes
// the synthesizer through its own queue, drained by OnIdle on the main thread.
class BlueBrowserData : public QnRemoteSynthEventHandler {
public:
    explicit BlueBrowserData(QorX0::IRemoteSynth* synth);
    virtual ~BlueBrowserData();

    QorX0::IRemoteSynth* GetSynth() const { return m_pSynth; }
    // Registers with the synthesizer; false when it refused (already registered).
    bool Advise();
    void Unadvise();

    // The pages, large first then small; not owned. A page that is no sound browser is ignored.
    void AddBrowser(CTabPageLayer* page);
    void RemoveAllBrowsers();
    const std::vector<BlueBrowserBase*>& GetBrowsers() const { return m_browsers; }

    void OnIdle();
    void SetCurrentSound(const QorX0::SOUNDINDEX& index);
    void OKAudition();
    void CancelAudition();
    void UpdateSelection();
    void UpdateAllBrowsers(CTabPageLayer* origin, bool rebuildSwitches);

    int GetCategoryFilter() const { return m_iCategory; }
    int GetBankFilter() const { return m_iBank; }
    void SetCategoryFilter(int c) { m_iCategory = c; }
    void SetBankFilter(int b) { m_iBank = b; }
    const QorX0::SOUNDINDEX& GetAuditionIndex() const { return m_audition; }

    void OnIdleRemoteSynthConnectionStateChanged(QorX0::IRemoteSynth* synth, bool connected,
                                                 bool online) override;
    void OnIdleRemoteSynthModeChanged(QorX0::IRemoteSynth* synth, int mode) override;
    void OnIdleRemoteSynthBankListChanged(QorX0::IRemoteSynth* synth, int kind,
                                          const QorX0::SOUNDINDEX& sound) override;
    void OnIdleRemoteSynthAuditionStateChanged(QorX0::IRemoteSynth* synth, bool running) override;

private:
    void ResetAll();

    QorX0::IRemoteSynth* m_pSynth;
    bool m_bAdvised = false;
    std::vector<BlueBrowserBase*> m_browsers;
    int m_iCategory = -1;
    int m_iBank = -1;
    QorX0::SOUNDINDEX m_audition{255, 255};
};

// The large (big) or small sound browser page over the shared data, constructed but not created.
CTabPageLayer* NewBlueBrowserPage(BlueBrowserData* data, bool big);
