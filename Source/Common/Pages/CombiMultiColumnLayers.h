#pragma once
// Three column pages of the combination and multi modes: tone adjust (program, pan, volume and six
// tone-adjust slots per column), timbre/track parameters (a table of rows, one cell per column, and
// the sound's scale) and the MIDI filters (sixteen rows of switches per column). The combination and
// multi versions differ only in their parameter lookups.
#include "Common/Pages/CombiMultiLayerBase.h"

class CombiMultiToneAdjustLayer : public CombiMultiLayerBase {
public:
    static constexpr int kSlots = 6;
    using CombiMultiLayerBase::CombiMultiLayerBase;
    bool OnCreate() override;
    // The PID of a slot's destination; its amount is the next PID.
    virtual int GetBaseId(int column, int slot) const = 0;
};

class CombiToneAdjustLayer : public CombiMultiToneAdjustLayer {
public:
    explicit CombiToneAdjustLayer(QorX0::IRemoteSynth* synth);
    int GetBaseId(int column, int slot) const override { return 0x1200 + column * 256 + slot * 2; }
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;
};

class MultiToneAdjustLayer : public CombiMultiToneAdjustLayer {
public:
    explicit MultiToneAdjustLayer(QorX0::IRemoteSynth* synth);
    int GetBaseId(int column, int slot) const override { return 0x2B00 + column * 256 + slot * 2; }
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;
};

// Base of the two table pages: the lamps over the cells' columns.
class CombiMultiTableLayerBase : public CombiMultiLayerBase {
public:
    using CombiMultiLayerBase::CombiMultiLayerBase;
    // The x of a column's cell within a row; switches sit 15 pixels further right.
    static int CellX(int column) { return 116 + (column % 8) * 57; }
    static int SwitchX(int column) { return 131 + (column % 8) * 57; }

protected:
    // A 40 x 20 container per column at the head of the table, with the column's lamp centred in it.
    void CreateLampRow();
    // A row container with its caption; label x within the row and caption width as the page has it.
    QnControlContainer* AddRow(int y, const char* caption, int labelX, int labelWidth);
};

class CombiMultiTrackParamLayer : public CombiMultiTableLayerBase {
public:
    using CombiMultiTableLayerBase::CombiMultiTableLayerBase;
    bool OnCreate() override;
    // 0 scale type, 1 scale key, 2 random intensity; -1 for anything else.
    virtual int GetParamId(int which) const = 0;

protected:
    virtual const char* ScaleCaption() const = 0;
};

class CombiTimbreParamLayer : public CombiMultiTrackParamLayer {
public:
    explicit CombiTimbreParamLayer(QorX0::IRemoteSynth* synth);
    int GetParamId(int which) const override { return which >= 0 && which <= 2 ? which + 1 : -1; }
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;

protected:
    const char* ScaleCaption() const override { return "Combi's Scale"; }
};

class MultiTrackParamLayer : public CombiMultiTrackParamLayer {
public:
    explicit MultiTrackParamLayer(QorX0::IRemoteSynth* synth);
    int GetParamId(int which) const override { return which >= 0 && which <= 2 ? which : -1; }
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;

protected:
    const char* ScaleCaption() const override { return "Multi's Scale"; }
};

class CombiMultiMIDIFilterLayer : public CombiMultiTableLayerBase {
public:
    using CombiMultiTableLayerBase::CombiMultiTableLayerBase;
    bool OnCreate() override;
};

class CombiMIDIFilterLayer : public CombiMultiMIDIFilterLayer {
public:
    explicit CombiMIDIFilterLayer(QorX0::IRemoteSynth* synth);
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;
};

class MultiMIDIFilterLayer : public CombiMultiMIDIFilterLayer {
public:
    explicit MultiMIDIFilterLayer(QorX0::IRemoteSynth* synth);
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;
};
