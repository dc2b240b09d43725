#pragma once
// QnControlCreater: the one place where the editor's look is decided. Each factory function takes a
// position, a range or a look number and the control id, fills the creation record of one control
// class with the editor's images (by name, from the image cache), bitmap fonts, colours and metrics,
// creates the control and returns it, not yet added to any layer and with no listener (the page sets
// the listener when it adds the control). A page makes a creator on the stack for its background
// image and an offset: unless a function says otherwise, a control asked for at (x, y) is created at
// (x + x offset, y + y offset) and copies its background from (x, y) of the creator's background, the
// part of the panel under it. The creator owns nothing; a function that cannot create its control
// (a missing image, an unknown font) returns none and leaves nothing behind.
#include <cstdint>
#include <memory>
#include <string>

class CHfcBmp;
struct tagHfcBmpFontInfo;
struct tagHfcCtrlSwitchParamEx;

// The stock controls of the toolkit.
class CHfcCtrlCharEditText;
class CHfcCtrlSwitch;
class CHfcCtrlTextSwitch;
class CHfcCtrlSlideSwitch;
class CHfcCtrlHorizontalSlideSwitch;

// The editor's own controls.
class QnKnob;
class CXBCtrlHorizontalValueBar;
class CXBCtrlVerticalValueBar;
class QnDropdownList;
class QnDropdownListSwitch;
class QnStaticText;
class QnSoundSelector;
class QnMiniProgramSelector;
class CMMPCtrlList;
class CMMPCtrlScrollBar;
class CMMPCtrlFlash;
class QorZoneSlopeBar;
class CXBCtrlEnvelopeGraph;
class CXBCtrlFilterGraph;

class QnControlCreater {
public:
    QnControlCreater(CHfcBmp* background, int xOffset, int yOffset)
        : m_background(background), m_xOffset(xOffset), m_yOffset(yOffset) {}
    virtual ~QnControlCreater() = default;

    // Knob, value bars, static texts, labels and the activity lamp. The knob's flag has no effect.
    QnKnob* CreateKnob(int x, int y, int min, int max, int centre, bool flag, int textLength, int id);
    CXBCtrlHorizontalValueBar* CreateHorizontalValueBar(int x, int y, int width, int min, int max, int centre,
                                                        int id);
    CXBCtrlHorizontalValueBar* CreateHorizontalValueBar(int x, int y, int min, int max, int centre, int id);
    CXBCtrlVerticalValueBar* CreateVerticalValueBar(int x, int y, bool isSigned, int min, int max, int centre,
                                                    const std::string& barImage, const std::string& backImage,
                                                    int id);
    CXBCtrlVerticalValueBar* CreateVerticalValueBar(int x, int y, bool isSigned, int min, int max, int centre,
                                                    int id);
    QnStaticText* CreateStaticText(int x, int y, int w, int h, const std::string& text,
                                   tagHfcBmpFontInfo* font, uint32_t colour, int hAlign, int vAlign, int id);
    QnStaticText* CreateStaticText(int x, int y, int w, int h, const std::string& text,
                                   const std::string& fontName, uint32_t colour, int hAlign, int vAlign,
                                   int id);
    QnStaticText* CreateLabel(int x, int y, const std::string& text, int w, int h, bool category, int hAlign,
                              int vAlign, int id);
    CMMPCtrlFlash* CreateMIDIIndicator(int x, int y, int index, int id, bool switchLook);

    // Dropdowns, lists and selectors.
    QnDropdownList* CreateDropdownList(int x, int y, int look, int id);
    QnDropdownListSwitch* CreateDropdownListSwitch(int x, int y, int look, int hAlign, int id);
    QnSoundSelector* CreateSoundSelector(int x, int y, int kind, int look, int id);
    QnMiniProgramSelector* CreateMiniProgramSelector(int x, int y, int id);
    CMMPCtrlList* CreateListControl(int x, int y, int w, int h, int look, int columns, int rows,
                                    bool columnMajor, int id);
    CMMPCtrlScrollBar* CreateScrollBar(int x, int y, int length, int orientation, int look, int id);

    // Graphs and the zone slope bar.
    QorZoneSlopeBar* CreateZoneSlopeBar(int x, int y, int id);
    CXBCtrlEnvelopeGraph* CreateEnvelopeGraph(int x, int y, int look, int id);
    CXBCtrlFilterGraph* CreateFilterGraph(int x, int y, int id);
    CXBCtrlFilterGraph* CreateMiniFilterGraph(int x, int y, int id);
    CXBCtrlEnvelopeGraph* CreateMiniEnvelopeGraph(int x, int y, int look, int id);

    // The stock controls.
    CHfcCtrlCharEditText* CreateTextEdit(int x, int y, int width, int height, int maxChars, int id);
    // maxChars from the field's size (one character for a size without a frame image).
    CHfcCtrlCharEditText* CreateTextEdit(int x, int y, int width, int height, int id);
    CHfcCtrlSwitch* CreateSwitch(int x, int y, const std::string& imageName, int states, int id);
    // A two-state check box ("Switch_CheckBox"); both names make the same control.
    CHfcCtrlSwitch* CreateCehckBox(int x, int y, int id);
    CHfcCtrlSwitch* CreateSwitch(int x, int y, int id);
    CHfcCtrlTextSwitch* CreateTextSwitch(int x, int y, const std::string& imageName, int states,
                                         uint32_t textColour, int id, int vMargin);
    CHfcCtrlSlideSwitch* CreateSlideSwitch(int x, int y, const std::string& imageName, int states, int id);
    CHfcCtrlHorizontalSlideSwitch* CreateHorizontalSlideSwitch(int x, int y, const std::string& imageName,
                                                               int states, int id);

    // The shared rules, for the factory functions of every control family.
    CHfcBmp* GetBackground() const { return m_background; }
    int GetXOffset() const { return m_xOffset; }
    int GetYOffset() const { return m_yOffset; }
    // Where a control asked for at x (y) stands on the page.
    int PlaceX(int x) const { return x + m_xOffset; }
    int PlaceY(int y) const { return y + m_yOffset; }
    // The image of that name from the image cache; none for an empty or missing name or without
    // the cache.
    static CHfcBmp* LoadImage(const std::string& name);
    // The bitmap font of that name; none when unknown or without the font manager.
    static tagHfcBmpFontInfo* GetFont(const std::string& name);
    // The height of one face of a strip of that many states (0 without an image or states).
    static int FrameHeight(const CHfcBmp* image, int states);
    // A new control made by create(control); a control that refuses is deleted and none returned.
    template <class Control, class Create>
    static Control* CreateOrNone(Create create) {
        auto control = std::make_unique<Control>();
        if (!create(*control)) return nullptr;
        return control.release();
    }

    // Edit fields by size: the frame image, the font when not "FontGeneva9", and the characters a
    // field of that size holds when the caller does not say (one for every other size).
    struct TextEditLook {
        int width;
        int height;
        const char* image;
        const char* font;
        int characters;
    };
    static constexpr TextEditLook kTextEditLooks[] = {
        {23, 13, "EditText_23X13", nullptr, 1},          {37, 13, "EditText_37X13", nullptr, 5},
        {40, 13, "EditText_40X13", nullptr, 6},          {96, 13, "EditText_96X13", nullptr, 11},
        {114, 13, "EditText_114X13", nullptr, 14},       {154, 13, "EditText_154X13", nullptr, 16},
        {164, 16, "EditText_164X16", "FontHelvB11", 16},
    };
    static const TextEditLook* FindTextEditLook(int width, int height);
    static int TextEditCharacters(int width, int height);
    // An edit field's focus margin: the field sits that far inside the rectangle asked for.
    static constexpr int kTextEditFocusMargin = 2;
    static constexpr const char* kCheckBoxImage = "Switch_CheckBox";

protected:
    bool FillSwitchRecord(tagHfcCtrlSwitchParamEx& param, int x, int y, const std::string& imageName,
                          int states) const;

    CHfcBmp* m_background = nullptr;
    int m_xOffset = 0;
    int m_yOffset = 0;
};
