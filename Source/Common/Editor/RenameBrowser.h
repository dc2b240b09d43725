#pragma once
// The rename dialog: a new name for the selected drum kit, arpeggio pattern or external-control set,
// sent to the instrument with the item.
#include <string>

#include "Common/Layers/TabControl.h"

class CHfcCtrlCharEditText;
class CHfcCtrlSwitch;

class RenameBrowser : public CTabPageLayer {
public:
    enum : int { kIdName = 0, kIdOK = 1010, kIdCancel = 1011 };
    RenameBrowser(QorX0::IRemoteSynth* synth, int kind, const std::string& pageName);

    bool OnCreate() override;
    void OnOK();
    bool OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int modifiers) override;
    void OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) override;
    int GetKind() const { return m_iKind; }

private:
    int m_iKind;
    CHfcCtrlCharEditText* m_pName = nullptr;
    CHfcCtrlSwitch* m_pOK = nullptr;
    CHfcCtrlSwitch* m_pCancel = nullptr;
};
