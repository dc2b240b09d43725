#pragma once
// The editor window's root layer: the panel with the mode switches, the sound display, the realtime
// knobs, the Utility switch, the logos, the on-screen keyboard and wheels; the four main tab controls
// with the edit pages of every mode; the sound browsers; and, while one is open, a modal browser or
// the About box over it all. The instrument's mode is the truth: the switches and tabs show what the
// instrument reports, and a click only asks the instrument to change.
//
// Main thread only, except PostCommand (any thread).
#include <cstdint>
#include <string>
#include <vector>

#include "Common/Editor/CommandQueue.h"
#include "Common/Layers/IMIDIReceiver.h"
#include "Common/Layers/QnSynthLayer.h"
#include "Hfc/Core/HfcFileDialog.h"
#include "Linux/Sync.h"

class AudioEffect;
class AboutLayer;
class BlueBrowserData;
class CHfcBmp;
class CHfcCtrlCharEditText;
class CHfcCtrlHorizontalSlideSwitch;
class CHfcCtrlKeyboard;
class CHfcCtrlKnob;
class CHfcCtrlSwitch;
class CHfcCtrlTextSwitch;
class CHfcCtrlWheel;
class CHfcWindow;
class CTabControl;
class CTabPageLayer;
class CombiMultiLayerBase;
class ModalLayer;
class QnControlContainer;
class QnStaticText;

// A listener for host-automated parameters.
class CParamListener {
public:
    virtual ~CParamListener() = default;
    virtual void OnSetParameter(long, float) {}
};

// ---- Utility menu: file-type rows of the file dialogs ----------------------------------------
struct FiletypeInfo {
    int type;  // QorX0::FTYPE
    std::string label;
    std::string pattern;
};
// The save dialogs of Save: a type change renames the proposed file to match.
class QnSaveFileDialog : public CHfcSaveFileDialog {};
// ---- end of the Utility menu's rows ------------------------------------------------------------

class BackgroundLayer : public QnSynthLayer,
                        public IMIDIReceiver,
                        public CParamListener,
                        public CHfcFileDialogListener {
public:
    // Main tabs in the window's order, as the mode switches are.
    enum Tab : int { kTabCombi = 0, kTabMulti = 1, kTabProg = 2, kTabGlobal = 3, kTabCount = 4 };
    // Control ids.
    enum : int {
        kIdModeSwitch = 0,
        kIdSoundNumber = 1,
        kIdSoundName = 2,
        kIdArrowUp = 3,
        kIdArrowDown = 4,
        kIdCategory = 5,
        kIdBank = 6,
        kIdSwitch1 = 8,
        kIdSwitch2 = 9,
        kIdKnobAssign1 = 10,
        kIdTempo = 14,
        kIdGroupSwitch = 15,
        kIdGroupStep = 16,
        kIdKnobLabel1 = 17,
        kIdKnob1 = 21,
        kIdBrowserTab = 25,
        kIdModalTab = 26,
        kIdUtility = 30,
        kIdMainTabCombi = 31,
        kIdMainTabMulti = 32,
        kIdMainTabProg = 33,
        kIdMainTabGlobal = 34,
        kIdTrackShift = 35,
        kIdLogoMaker = 36,
        kIdLogoProduct = 37,
        kIdKeyboard = 38,
        kIdWheel = 39,
        kIdOverviewFirst = 40,
        kIdOverviewTitle = 0x10000,  // + the box's container id
    };
    // The keyboard row at the bottom: never covered by a modal browser, never ends an audition.
    static constexpr int kKeyboardRowHeight = 72;
    static constexpr int kAuditionPressLimitY = 527;
    // Rest and range of the wheels.
    static constexpr int kWheelMax = 1270;
    static constexpr int kPitchWheelRest = 640;

    BackgroundLayer(AudioEffect* effect, QorX0::IRemoteSynth* synth);
    ~BackgroundLayer() override;

    // "Background_Base": the window's size.
    static CHfcBmp* GetBaseImage();
    using QnLayerBase::Create;
    bool Create(CHfcWindow* window);

    std::string GetProductName() const;
    int GetGUIMode() const;
    void OnGUIModeChanged(int guiMode);
    void OnModeChanged();
    void SelectEditTabPage(int mode, int page, int sublevel);
    void TrackShift(int delta);
    void UpdateTrackShiftSwitch();
    void UpdateLogoSwitches();
    void ChangeCurrentSound(QorX0::SOUNDINDEX& index);
    void CancelBrowserAudition();
    bool TestCreateControl() { return true; }

    // Sound display, overview and realtime knobs.
    void UpdateMainLCD();
    void UpdateSoundDisplay();
    void UpdateKnobAssign();
    void UpdateTempoEdit();
    void UpdateRealtimeControllers();
    void UpdateOverview();
    void ProgramNumberInc();
    void ProgramNumberDec();

    // Keyboard, wheels and MIDI.
    void OnMidiIn(unsigned char status, unsigned char data1, unsigned char data2) override;
    void RegistLayerAsMIDIReceiver(QnSynthLayer* layer, bool);
    void AllSoundOff();
    // The channel of the window's own messages.
    int GetPlayChannel();
    // The pitch wheel's value as a 14-bit bend and back; the wheel's rest is the bend's centre.
    static int PitchWheelToBend(int value, int maximum);
    static int BendToPitchWheel(int bend, int maximum);

    // Command queue, idle work and modal windows.
    void PostCommand(const QnCommand& command);
    void PostCommand(int kind, int a, int b, int c);
    bool PeekCommand(QnCommand& out);
    void RequestOpenRedBrowser(int type, int section, int paramId);
    void RequestOpenWriteBrowser();
    void OpenRedBrowser(int type, int section, int paramId);
    void OpenWriteBrowser();
    void OpenRenameBrowser(int kind);
    void CloseModalBrowser();
    void OpenAbout();
    static std::string GetVersionString();
    // The version as the bundle gives it, cut before its third ".".
    static std::string CutVersion(const std::string& version);

    // CParamListener.
    void OnSetParameter(long, float) override {}
    void OnIdleRemoteSynthAudSoundChanged(QorX0::IRemoteSynth*, const QorX0::SOUNDINDEX&) {}

    // ---- Utility menu, file and transfer commands (UtilityMenu.cpp) -----------------------------
    void OnUtilitySwitch();
    void OnRemoteSynthCommand(int id, const std::string& name);
    void OnHfcFileDialogAction(CHfcFileDialog* dialog, int action, void* userData) override;
    void OnHfcFileDialogFileTypeChanged(CHfcFileDialog* dialog, int index, void* userData) override;
    bool OnHfcFileDialogBrowseFilterFSRef(CHfcFileDialog* dialog, FSRef* ref, bool isFolder,
                                          void* userData) override;
    static void MakeFileTypeInfoArray(std::vector<FiletypeInfo>& rows, QorX0::IRemoteSynth* synth,
                                      int globalKind);
    static void MakePCGFileTypeInfoArray(std::vector<FiletypeInfo>& rows, bool import);
    static void AddFileTypesToDialog(CHfcFileDialog* dialog, const std::vector<FiletypeInfo>& rows);
    void OnHfcFileDialogTerminate(CHfcFileDialog* dialog, void* userData) override;
    // The file dialog now up, none otherwise.
    CHfcFileDialog* GetFileDialog() const { return m_pFileDialog; }
    // ---- end of the Utility menu's block -------------------------------------------------------

    // Test support: the pages of the modal browsers come from here while set (kind 0 pick list of a
    // type, 1 write, 2 rename of a kind), so the modal frame can be tested on its own.
    using ModalPageFactory = CTabPageLayer* (*)(QorX0::IRemoteSynth* synth, int kind, int type);
    static void SetModalPageFactory(ModalPageFactory factory);

    // The layer's parts, for the window and for tests.
    CTabControl* GetMainTab(int tab) const {
        return tab >= 0 && tab < kTabCount ? m_pMainTabs[tab] : nullptr;
    }
    CTabControl* GetBrowserTab() const { return m_pBrowserTab; }
    CTabControl* GetModalTab() const { return m_pModalTab; }
    ModalLayer* GetModalLayer() const { return m_pModalLayer; }
    AboutLayer* GetAboutLayer() const { return m_pAboutLayer; }
    BlueBrowserData* GetBrowserData() const { return m_pBrowserData; }
    const std::vector<IMIDIReceiver*>& GetMIDIReceivers() const { return m_receivers; }
    AudioEffect* GetEffect() const { return m_pEffect; }
    int GetPendingPage() const { return m_iPendingPage; }
    int GetQueuedCommandCount() const { return m_commands.Count(); }
    // Depth of the nested loops (message boxes, dialogs, menus, transfers) this window's handlers run
    // now; while it is above zero the idle tick neither runs commands nor closes modal windows. Each
    // editor window counts its own: the loops raised for it, and the toolkit's modal windows unless
    // the user was last in another editor window (whose they then are).
    int GetNestedLoopDepth() const;
    // Raised around a call that may run a nested loop, for the window it runs over.
    class NestedLoopScope {
    public:
        explicit NestedLoopScope(const CHfcWindow* window);
        ~NestedLoopScope();
        NestedLoopScope(const NestedLoopScope&) = delete;
        NestedLoopScope& operator=(const NestedLoopScope&) = delete;

    private:
        const CHfcWindow* m_pWindow;
    };

    // Layer and control events.
    bool OnCreate() override;
    bool OnDestroy() override;
    void OnIdle(unsigned long elapsed) override;
    void OnRefresh() override;
    bool PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    void OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) override;
    void OnHfcCtrlBeginEdit(CHfcControl* control) override;
    void OnHfcCtrlEndEdit(CHfcControl* control) override;
    bool OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnHfcCtrlMouseLButtonDoubleClick(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnHfcCtrlKeyDown(CHfcControl* control, int c, int virtualKey, int modifiers) override;

    // Replays of the instrument's events.
    using QnSynthLayer::OnIdleRemoteSynthConnectionStateChanged;
    void OnIdleRemoteSynthConnectionStateChanged(QorX0::IRemoteSynth* synth, bool connected,
                                                 bool online) override;
    void OnIdleRemoteSynthExtCtlStateChanged(QorX0::IRemoteSynth* synth,
                                             const QorX0::EXTCTLSTATE& state) override;
    void OnIdleRemoteSynthModeChanged(QorX0::IRemoteSynth* synth, int mode) override;
    void OnIdleRemoteSynthCurSoundChanged(QorX0::IRemoteSynth* synth,
                                          const QorX0::SOUNDINDEX& sound) override;
    void OnIdleRemoteSynthBankListChanged(QorX0::IRemoteSynth* synth, int kind,
                                          const QorX0::SOUNDINDEX& sound) override;
    void OnIdleSectionReinitialized(QorX0::ISection* section) override;
    void OnIdleSectionParamChanged(QorX0::ISection* section, int pid) override;

private:
    void AddPanelControl(CHfcControl* control);
    void CreateMainPanel();
    void CreateSoundDisplay();
    void ForgetSoundDisplay();
    void CreateRealtimeControls();
    void OnSoundDisplayValue(CHfcControl* control, int value);
    void OnSoundDisplayText(CHfcControl* control, const char* text);
    void RunArrowRepeat();
    int GetRealtimeGroup();
    void BeginKnobEdit(int k);
    void EndKnobEdit();
    void OnKnobLabelPress();
    void RefreshOverviewContainers();
    void DestroyOverview();
    void CreateOverview();
    void CreateMainTabs();
    void CreateBrowsers();
    void CreateKeyboardAndWheels();
    void CreateLogos();
    void AdviseSinks(bool advise);
    void DestroyTabPages(CTabControl* tab);
    bool OpenModalFrame(CTabPageLayer* page, const char* strip, const char* background);
    void CloseAbout();
    void OnMainTabValue(int tab, int page);
    void OnRealtimeControl(CHfcControl* control, int value);
    void OnOverviewPress(int x, int y);
    // A press on a control of an overview box (its graphs take presses): the box's page opens.
    bool OnOverviewControlPress(CHfcControl* control);
    void OnLogoPress(CHfcControl* logo);
    void SendMidi(unsigned char status, unsigned char data1, unsigned char data2);
    void PlayKey(int value);
    void MoveWheel(int sub, int value);
    void AutomateKnob(int index);
    void RefreshRealtimeKnobs();
    void RunJumpTimers();
    void StartJump(int which);
    CTabControl* TabOfMode(int mode) const;

    // Command queue.
    QnCommandQueue m_commands;
    AudioEffect* m_pEffect;
    ModalLayer* m_pModalLayer = nullptr;
    AboutLayer* m_pAboutLayer = nullptr;
    CHfcCtrlKnob* m_pKnobs[4] = {};
    CHfcCtrlKeyboard* m_pKeyboard = nullptr;
    CHfcCtrlWheel* m_pPitchWheel = nullptr;
    CHfcCtrlWheel* m_pModWheel = nullptr;
    CHfcCtrlSwitch* m_pModeSwitches[4] = {};
    CHfcCtrlSwitch* m_pGroupSwitches[3] = {};
    CHfcCtrlSwitch* m_pGroupStep = nullptr;
    CHfcCtrlHorizontalSlideSwitch* m_pTrackShift = nullptr;
    CTabControl* m_pMainTabs[kTabCount] = {};
    int m_iMainTabWidth = 0;
    BlueBrowserData* m_pBrowserData = nullptr;
    CTabControl* m_pBrowserTab = nullptr;
    CTabControl* m_pModalTab = nullptr;
    std::vector<IMIDIReceiver*> m_receivers;
    std::vector<CombiMultiLayerBase*> m_trackShiftPages;
    CHfcCriticalSection m_uiLock;
    bool m_bDeferredModeChange = false;
    bool m_bRefreshBrowsers = false;
    int m_iPendingPage = -1;
    int m_iPendingPageMode = -1;  // the instrument mode the pending page was asked for
    bool m_bCategoryJump = false;
    bool m_bBankJump = false;
    uint32_t m_uCategoryJumpStart = 0;
    uint32_t m_uBankJumpStart = 0;
    int m_iKnobEditing = -1;  // automation index of the knob being dragged
    int m_iArrowHeld = 0;     // the arrow switch held down (its id), 0 for none
    uint32_t m_uArrowTime = 0;
    std::vector<QnControlContainer*> m_overview;
    // The controls the layer made (it deletes them).
    std::vector<CHfcControl*> m_owned;

    // ---- Utility menu: the rows of the open file dialog ----------------------------------------
    std::vector<FiletypeInfo> m_fileTypes;
    CHfcFileDialog* m_pFileDialog = nullptr;
    void RunUtilityCommand(int id, const std::string& name);
    void OpenFileDialog(CHfcFileDialog* dialog, const char* title, const std::vector<FiletypeInfo>& rows,
                        bool proposeName);
    void CloseFileDialog();
    void LoadChosenFile(const std::string& path);
    void SaveChosenFile(const std::string& path, int type);
    int FileIndexArgument(int type);
    void ShowError(const std::string& text);
    // ---- end of the Utility menu's members -----------------------------------------------------
};
