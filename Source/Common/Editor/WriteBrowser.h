#pragma once
// The write dialog: stores the edit buffer's sound, under a category and a name, into a slot.
#include <string>

#include "Common/Layers/TabControl.h"

class CHfcCtrlCharEditText;
class CHfcCtrlSwitch;
class QnDropdownList;

class WriteBrowser : public CTabPageLayer {
public:
    enum : int { kIdCategory = 0, kIdName = 1, kIdBank = 2, kIdNumber = 3, kIdSave = 1010, kIdCancel = 1011 };
    WriteBrowser(QorX0::IRemoteSynth* synth, int unused, const std::string& pageName);

    bool OnCreate() override;
    void OnSave();
    void UpdateDestinationSound();
    void CreateSaveSwitch();
    void CreateCancelSwitch();

    bool OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int modifiers) override;
    // A click into the number field that drags nothing starts typing a number there.
    bool OnHfcCtrlMouseLButtonUp(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnHfcCtrlMouseLButtonDoubleClick(CHfcControl* control, int x, int y, int modifiers) override;
    // Tab moves the typing between the name and the number fields, keeping what was typed.
    bool OnHfcCtrlKeyDown(CHfcControl* control, int character, int virtualKey, int modifiers) override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    void OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) override;

    // The sound mode the dialog was built for.
    int GetSoundMode() const { return m_iMode; }
    int GetDestinationBank() const;
    int GetDestinationNumber() const;

private:
    // Starts typing into a field, all of its text selected so that the first key replaces it.
    static void StartTyping(CHfcCtrlCharEditText* field);

    int m_iMode = -1;
    int m_iNumberAtPress = -1;  // the number when the number field was pressed, -1 after a drag
    QnDropdownList* m_pCategory = nullptr;
    CHfcCtrlCharEditText* m_pName = nullptr;
    QnDropdownList* m_pBank = nullptr;
    CHfcCtrlCharEditText* m_pNumber = nullptr;
    CHfcCtrlSwitch* m_pSave = nullptr;
    CHfcCtrlSwitch* m_pCancel = nullptr;
};
