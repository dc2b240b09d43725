#pragma once
// The key and velocity zone page of the combination and multi modes: per timbre or track the range
// of keys and of velocities it plays, with fade slopes at both ends, as fields, slope lists and one
// zone bar per column. Every edit keeps bottom + bottom slope + top slope within top. Notes played
// on the instrument or in the host fill the key or velocity field being edited.
#include "Common/Link/RemoteSynth.h"
#include "Common/Pages/CombiMultiColumnLayers.h"

class QorZoneSlopeBar;

class CombiMultiKeyVelZoneLayer : public CombiMultiTableLayerBase, public QorX0::IRemoteSynthMIDISink {
public:
    // Slope widths by index: semitones for keys, index x 8 for velocities.
    static constexpr int kKeySlopes[16] = {0, 1, 2, 3, 4, 6, 8, 10, 12, 18, 24, 30, 36, 48, 60, 72};
    static int KeySlopeWidth(int index);
    static int VelSlopeWidth(int index);
    // Zone parameters of a column, added to its base.
    enum : int {
        kKeyTop = 31,
        kKeyTopSlope = 32,
        kKeyBottomSlope = 33,
        kKeyBottom = 34,
        kVelTop = 35,
        kVelTopSlope = 36,
        kVelBottomSlope = 37,
        kVelBottom = 38,
    };
    enum : int { kKeyBarId = 0x20000, kVelBarId = 0x30000 };

    CombiMultiKeyVelZoneLayer(QorX0::IRemoteSynth* synth, int kind, bool twoGroups);
    // A page deleted without OnDestroy still leaves the instrument's MIDI observers.
    ~CombiMultiKeyVelZoneLayer() override;

    // Write a zone value of column pid & 0xFF00, kept consistent with the other three; direct: a
    // slope value is an index (lists, fields), else the key or velocity its end was dragged to.
    void ApplyKeyValueChange(int pid, int value, bool direct);
    void ApplyVelValueChange(int pid, int value, bool direct);
    // The slope index whose width is nearest to width among those not wider than limit.
    static int GetNearestKeyIndex(int width, int limit);
    static int GetNearestVelIndex(int width, int limit);
    void OnNoteInput(unsigned char status, unsigned char note, unsigned char velocity);

    QorZoneSlopeBar* GetKeyBar(int column) const;
    QorZoneSlopeBar* GetVelBar(int column) const;

    void OnRemoteSynthMIDIIn(QorX0::IRemoteSynth* synth, const void* data, unsigned length) override;
    void OnMidiIn(unsigned char status, unsigned char data1, unsigned char data2) override;
    bool OnCreate() override;
    bool OnDestroy() override;
    void OnPostDrawBackground(CHfcOffscreenContext* context) override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    void OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) override;
    void OnPostSynchronizeControlWithParam(CHfcControl* control, QorX0::ISection* section, int pid) override;

private:
    void CreateZoneRows(bool keys);
    void ApplyZoneValueChange(int pid, int value, bool direct, bool keys);

    QorZoneSlopeBar* m_keyBars[16] = {};
    QorZoneSlopeBar* m_velBars[16] = {};
    bool m_bMIDIAdvised = false;
};

class CombiKeyVelZoneLayer : public CombiMultiKeyVelZoneLayer {
public:
    explicit CombiKeyVelZoneLayer(QorX0::IRemoteSynth* synth);
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;
};

class MultiKeyVelZoneLayer : public CombiMultiKeyVelZoneLayer {
public:
    explicit MultiKeyVelZoneLayer(QorX0::IRemoteSynth* synth);
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;
};
