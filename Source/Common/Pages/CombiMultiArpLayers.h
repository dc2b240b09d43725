#pragma once
// The arpeggiator page of the combination and multi modes: each timbre or track assigned to
// arpeggiator A or B, the arpeggiator's switch, its two runs and patterns, and four sublevel pages
// from forms: arpeggiator A, arpeggiator B, the scan zone (filled from played notes) and controls.
#include "Common/Pages/CombiMultiLayerBase.h"

class CombiMultiArpControlsLayer : public CombiMultiLayerBase {
public:
    // Within an arpeggiator's parameters (its base, the pattern number, plus these).
    enum : int { kTopKey = 0x0A, kBottomKey = 0x0B, kTopVelocity = 0x0C, kBottomVelocity = 0x0D };
    // The assign list of a column, added to its base.
    static constexpr int kColumnAssign = 39;

    using CombiMultiLayerBase::CombiMultiLayerBase;
    // 0 on/off, 1 run A, 2 run B, 3 arpeggiator A's base, 4 arpeggiator B's base; -1 otherwise.
    virtual int GetParamId(int which) const = 0;
    bool OnCreate() override;
    void OnActivate() override {}
    void OnDeactivate() override {}

protected:
    // Forms of the sublevel pages: arpeggiator A, B, scan zone, controls.
    virtual const int* SublevelForms() const = 0;

private:
    void CreateSetupControls();
    void CreateArpeggiatorControls();
    void CreateSublevelPages();
};

class CombiArpControlsLayer : public CombiMultiArpControlsLayer {
public:
    explicit CombiArpControlsLayer(QorX0::IRemoteSynth* synth);
    int GetParamId(int which) const override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;

protected:
    const int* SublevelForms() const override;
};

class MultiArpControlsLayer : public CombiMultiArpControlsLayer {
public:
    explicit MultiArpControlsLayer(QorX0::IRemoteSynth* synth);
    int GetParamId(int which) const override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& list) override;

protected:
    const int* SublevelForms() const override;
};
