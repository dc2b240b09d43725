#pragma once
// The effect sub-page: one control per parameter of the effect slot's current table, laid out
// afresh whenever the effect type, the sound, the section's data or an audition changes, so that the
// same page serves every effect type. The request to lay out again is set from the observer
// callbacks and served at the page's next refresh.
#include "Common/Pages/EditTabPageLayerBase.h"
#include "Linux/Sync.h"

class EffectEditLayer : public EditTabPageLayerBase {
public:
    enum : int { kSlotInsert = 0, kSlotMaster1 = 1, kSlotMaster2 = 2 };
    // Layout metrics: rows 20 apart from 8, columns 186 apart from 8, controls 70 right of a label.
    static constexpr int kColumnX = 8;
    static constexpr int kColumnStep = 186;
    static constexpr int kRowStep = 20;
    static constexpr int kControlDX = 70;

    EffectEditLayer(QorX0::IRemoteSynth* synth, int kind, int slot);
    ~EffectEditLayer() override;

    // On "Background_SubTab", in window, observing the effect section; not yet laid out.
    using CTabPageLayer::Create;
    bool Create(CHfcWindow* window);
    int GetSlot() const { return m_iSlot; }
    // The slot's effect section of the page kind's edit buffer; none for another slot or kind.
    virtual QorX0::ISection* GetFXSection() const;
    // Asks for a new layout at the next refresh (the type itself is read from the section then).
    void OnEffetcTypeChanged(int type);
    bool IsRebuildRequested();
    // Layouts made since construction.
    int GetRebuildCount() const { return m_iRebuilds; }

    void OnIdleSectionReinitialized(QorX0::ISection* section) override;
    void OnRemoteSynthAuditionStateChanged(QorX0::IRemoteSynth* synth, bool active) override;
    bool OnDestroy() override;
    void OnRefresh() override;

private:
    // Lets go of every control: unlinked first (so that a control told it lost the mouse writes
    // nothing to a parameter of the new table), then key focus and mouse capture released, then
    // removed, destroyed and deleted.
    void DiscardControls();
    void Layout(QorX0::ISection* section);

    int m_iSlot;
    CHfcCriticalSection m_lock;
    bool m_bRebuild = false;
    int m_iRebuilds = 0;
    QorX0::ISection* m_pAdvised = nullptr;
};
