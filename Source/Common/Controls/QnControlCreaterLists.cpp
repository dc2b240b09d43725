// The control factory's dropdowns, lists, scroll bars and selectors.
#include <memory>

#include "Common/Controls/MMPCtrlList.h"
#include "Common/Controls/MMPCtrlScrollBar.h"
#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnListLooks.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/FontManager/FontManager.h"
#include "Hfc/Draw/HfcBmp.h"

QnDropdownList* QnControlCreater::CreateDropdownList(int x, int y, int look, int id) {
    const QnListLooks::DropdownLook& l = QnListLooks::Dropdown(look);
    SQnDropdownListParam p;
    p.x = PlaceX(x);
    p.y = PlaceY(y);
    p.bitmap = l.image ? LoadImage(l.image) : nullptr;
    if (p.bitmap) {
        p.width = p.bitmap->GetWidth();
        p.height = FrameHeight(p.bitmap, l.faces);
    }
    p.background = m_background;
    p.backgroundX = x;
    p.backgroundY = y;
    p.states = 1;
    p.oneFramePerState = l.faces == 1 ? 1 : 0;
    p.font = l.font ? GetFont(l.font) : nullptr;
    p.text = "";
    p.colour = l.colour;
    p.hAlign = l.hAlign;
    p.hMargin = l.margin;
    p.vAlign = 1;
    p.vMargin = 0;
    p.arrowZoneWidth = l.arrowZone;
    auto control = std::make_unique<QnDropdownList>();
    if (!control->Create(&p, id, 0)) return nullptr;
    control->SetFocusColor(0);
    return control.release();
}

QnDropdownListSwitch* QnControlCreater::CreateDropdownListSwitch(int x, int y, int look, int hAlign, int id) {
    const QnListLooks::DropdownSwitchLook* l = QnListLooks::DropdownSwitch(look);
    CHfcBmp* image = l ? LoadImage(l->image) : nullptr;
    if (!image) return nullptr;
    SQnDropdownListSwitchParam p;
    // Placed where asked: the browsers give window positions.
    p.x = x;
    p.y = y;
    p.bitmap = image;
    p.width = image->GetWidth();
    p.height = FrameHeight(image, 2);
    p.background = m_background;
    p.backgroundX = x;
    p.backgroundY = y;
    p.states = 2;
    p.oneFramePerState = 1;
    p.font = GetFont(FontName_HelvB11);
    p.text = "";
    p.colour = l->colour;
    p.hAlign = hAlign;
    p.hMargin = 4;
    p.vAlign = 0;
    p.vMargin = 4;
    auto control = std::make_unique<QnDropdownListSwitch>();
    if (!control->Create(&p, id, 0)) return nullptr;
    control->SetZoneWidth(QnListLooks::kSwitchZoneWidth);
    return control.release();
}

QnSoundSelector* QnControlCreater::CreateSoundSelector(int x, int y, int kind, int look, int id) {
    const char* lcd = QnListLooks::SoundSelectorImage(look);
    SQnSoundSelector p;
    p.kind = kind;
    p.x = PlaceX(x);
    p.y = PlaceY(y);
    p.lcd = lcd ? LoadImage(lcd) : nullptr;
    p.background = m_background;
    p.backgroundX = x;
    p.backgroundY = y;
    p.font = lcd ? GetFont(FontName_HelvB11) : nullptr;
    p.inset = lcd ? QnListLooks::kSoundSelectorInset : 0;
    p.colour = 0xFFFFFFFF;
    auto control = std::make_unique<QnSoundSelector>();
    if (!control->Create(&p, id, 0)) return nullptr;
    return control.release();
}

QnMiniProgramSelector* QnControlCreater::CreateMiniProgramSelector(int x, int y, int id) {
    SQnMiniProgramSelector p;
    p.x = PlaceX(x);
    p.y = PlaceY(y);
    p.background = m_background;
    p.backgroundX = x;
    p.backgroundY = y;
    p.colour = 0xFFFFFFFF;
    auto control = std::make_unique<QnMiniProgramSelector>();
    if (!control->Create(&p, id, 0)) return nullptr;
    control->SetFocusColor(0);
    return control.release();
}

CMMPCtrlList* QnControlCreater::CreateListControl(int x, int y, int w, int h, int look, int columns, int rows,
                                                  bool columnMajor, int id) {
    tagHfcBmpFontInfo* font = GetFont(FontName_Geneva9_for_Controls);
    if (!font) return nullptr;
    tagMMPCtrlListParamEx p;
    // Placed where asked.
    p.x = x;
    p.y = y;
    p.width = w;
    p.height = h;
    p.backgroundX = x;
    p.backgroundY = y;
    p.background = m_background;
    p.font = font->bitmap;
    p.columns = columns;
    p.rows = rows;
    p.textX = 1;
    p.textY = 0;
    p.columnMajor = columnMajor;
    p.selectionColour = QnListLooks::ListSelectionColour(look);
    p.markedColour = 0xFFFFFFFF;
    p.frameColour = 0xFFFFFFFF;
    p.proportional = true;
    p.proportionalFont = font;
    p.textColour = 0xFFFFFFFF;
    auto control = std::make_unique<CMMPCtrlList>();
    if (!control->CreateEx(&p, id, 0)) return nullptr;
    control->SetFocusColor(0);
    return control.release();
}

CMMPCtrlScrollBar* QnControlCreater::CreateScrollBar(int x, int y, int length, int orientation, int look,
                                                     int id) {
    const bool vertical = orientation != 0;
    const QnListLooks::ScrollBarLook& l = QnListLooks::ScrollBar(look, vertical);
    CHfcBmp* image = LoadImage(l.image);
    if (!image) return nullptr;
    tagMMPCtrlScrollBarParam p;
    // Placed where asked.
    p.x = x;
    p.y = y;
    p.width = vertical ? image->GetWidth() : length;
    p.height = vertical ? length : image->GetHeight() / 4;
    p.backgroundX = x;
    p.backgroundY = y;
    p.background = m_background;
    p.switchImage = image;
    p.vertical = vertical;
    p.thumbColour = l.thumb;
    p.trackColour = l.track;
    p.minimum = 0;
    p.maximum = 1;
    p.pageSize = 1;
    if (vertical) {
        p.marginLeft = p.marginRight = 2;
    } else {
        p.marginTop = p.marginBottom = 2;
    }
    auto control = std::make_unique<CMMPCtrlScrollBar>();
    if (!control->Create(&p, id, 0)) return nullptr;
    return control.release();
}
