#pragma once
// The base of the combination and multi edit pages that show one column per timbre (8) or track
// (16): a MIDI activity lamp at the head of each column, the two groups of eight tracks of which the
// window's track shift switch shows one, and the highlighted current column, which on multi pages
// follows the multi's current track.
#include <string>
#include <vector>

#include "Common/Layers/IMIDIReceiver.h"
#include "Common/Pages/EditTabPageLayerBase.h"

class CMMPCtrlFlash;
class QnControlContainer;
class QnControlCreater;
class QnStaticText;

class CombiMultiLayerBase : public EditTabPageLayerBase, public IMIDIReceiver {
public:
    // The multi's current track ("CONTROL TRACK", 0 to 15).
    static constexpr int kPidCurrentTrack = 0xFF16;
    // A column's MIDI channel parameter, added to the column base.
    static constexpr int kColumnChannel = 4;
    // The channel value of a timbre that follows the global channel.
    static constexpr int kGlobalChannel = 16;

    // twoGroups: sixteen columns share eight positions, one group of eight shown at a time.
    CombiMultiLayerBase(QorX0::IRemoteSynth* synth, int kind, bool twoGroups);
    ~CombiMultiLayerBase() override;

    // Columns this page's kind has: 8 on combination edit pages, 16 on multi pages, 0 otherwise.
    int GetColumnCount() const;
    // The first parameter of a column in the section of that kind (play: i x 256, edit: (i+1) x 256).
    static int ColumnBase(int kind, int column);

    // Shows group 0 or 1 of the columns (the track shift switch) and redraws the page.
    void TrackShift(int group);
    // Whether the window enables its track shift switch for this page.
    bool IsTrackShiftAllowed() const { return m_bTwoGroups; }
    int GetShownGroup() const { return m_iShownGroup; }
    // Multi pages: highlights the column of the multi's current track.
    void UpdateControlTrack();

    const std::vector<CMMPCtrlFlash*>& GetLamps() const { return m_lamps; }
    const std::vector<QnControlContainer*>& GetGroupContainers(int group) const;
    const std::vector<CHfcControl*>& GetGroupControls(int group) const;

    // Lights the lamps of the columns that listen on the message's channel.
    void OnMidiIn(unsigned char status, unsigned char data1, unsigned char data2) override;

    void OnSectionParamChanged(QorX0::ISection* section, int pid) override;
    void OnRemoteSynthConnectionStateChanged(QorX0::IRemoteSynth* synth, bool connected,
                                             bool online) override;
    void OnRemoteSynthCurSoundChanged(QorX0::IRemoteSynth* synth, const QorX0::SOUNDINDEX& sound) override;
    void OnRemoteSynthBankListChanged(QorX0::IRemoteSynth* synth, int kind,
                                      const QorX0::SOUNDINDEX& sound) override;
    bool OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int flags) override;

    bool OnCreate() override;
    bool OnDestroy() override;

protected:
    bool IsMulti() const { return GetTargetMode() == QorX0::kModeMulti; }

    // A column container of that image at (x, y) of the page (the image's size unless given), framed
    // on multi pages, owned by the page and listed in the column's group.
    QnControlContainer* AddColumnContainer(int column, const std::string& image, int x, int y, int width = 0,
                                           int height = 0);
    // A container that belongs to no column (rows, panels): framed as asked, owned by the page.
    QnControlContainer* AddPlainContainer(const std::string& image, int x, int y, bool framed, int width = 0,
                                          int height = 0);
    // A creator for controls placed relative to the container, cutting their back from its image.
    static QnControlCreater CreaterFor(const QnControlContainer* container);
    // The column's activity lamp, in the container and the lamp vector.
    CMMPCtrlFlash* AddLamp(QnControlCreater& creater, QnControlContainer* container, int x, int y, int column,
                           int id);
    // The column's program at (1, 22) of its container, linked to pid; it names programs through
    // the remote synthesizer and opens the program pick-list.
    void AddProgramSelector(QnControlCreater& creater, QnControlContainer* container, int pid);
    // The page's usual steps for a control: added, listened to, shown, put in the container (when
    // given), linked to pid of the page's kind and synchronised (pid -1: not linked). None passes.
    template <class C>
    C* Place(C* control, QnControlContainer* container, int pid) {
        PlaceControl(control, container, pid);
        return control;
    }
    using EditTabPageLayerBase::PlaceControl;
    void PlaceControl(CHfcControl* control, QnControlContainer* container, int pid);
    QnStaticText* PlaceLabel(QnControlCreater& creater, QnControlContainer* container, int x, int y,
                             const std::string& text, int width, int height, bool category, int hAlign,
                             int vAlign);
    // A column's control outside its container, shown and hidden with the column's group.
    void AddGroupControl(int column, CHfcControl* control);
    // The whole menu of the mode's plain column pages (write, the multi's copy item, the tail); extra
    // page-local items go after the head.
    void AppendColumnPageMenu(std::list<MenuItemInfo>& list,
                              std::initializer_list<const MenuItemInfo*> extra = {});

private:
    std::vector<CMMPCtrlFlash*> m_lamps;
    std::vector<QnControlContainer*> m_groupContainers[2];
    std::vector<CHfcControl*> m_groupControls[2];
    bool m_bTwoGroups;
    int m_iShownGroup = 0;
};
