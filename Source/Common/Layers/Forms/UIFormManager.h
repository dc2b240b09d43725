#pragma once
// The editor's form tables: a reference-counted singleton that the plug-in starts (on its UI thread)
// between the image cache and the fonts. It holds no data of its own: it reads the form block.
#include "Common/Layers/Forms/UIFormInfo.h"

class UIFormManager {
public:
    // Creates the instance on the first call and counts one more user; true when it exists.
    static bool Initialize();
    // Counts one user less; the last one destroys the instance.
    static void Uninitialize();
    static UIFormManager* GetInstance();

    int GetLayerFormInfoCount() const;
    // The form at that index of the block, or none.
    const UI_FORMINFO* GetLayerFormInfoByIndex(int index) const;
    // The first form with that id, or none (an item kind is not a form).
    const UI_FORMINFO* GetLayerFormInfoById(int id) const;

private:
    UIFormManager() = default;
    ~UIFormManager() = default;
    UIFormManager(const UIFormManager&) = delete;
    UIFormManager& operator=(const UIFormManager&) = delete;

    static UIFormManager* mInstance;
    static int mRefCounter;
};

// Turning form rows into controls and caption records.
class QnControlCreater;
class CHfcControl;

namespace UI_FORM_Utils {

// Class numbers of the item classes.
enum : int {
    kClassNumText = 0,
    kClassNumCheckBox = 11,
    kClassNumEditText = 12,
    kClassNumPopupMenu = 13,
    kClassNumValueBar = 14,
};

// True for the class numbers of controls (above 10).
bool IsControlClass(int classNumber);
// The class number of the row's class name; -1 for any other (a form's "Layer" included).
int GetItemClassInt(const UI_FORMINFO& row);
// The frame count of that image in the forms' image block; 0 when absent.
int GetImageItemCount(const std::string& name);
// The caption record of a row: its font when the font name is a font, else the image of that name;
// a row without a font name has neither.
stTextDrawInfo CreateDrawTextInfo(const UI_FORMINFO& row);
// The control of an item row, made by the factory; none for rows of no control (see the source).
CHfcControl* CreateControl(QnControlCreater* creater, const UI_FORMINFO& row, CHfcBmp* background);
// Null-safe comparison of two texts by content.
bool SameText(const char* a, const char* b);

}  // namespace UI_FORM_Utils
