#pragma once
// Where a sound browser's list shows an item, and which sound the item is.
#include "Common/Controls/MMPCtrlList.h"
#include "Common/Editor/BlueBrowser.h"

// A point inside item i of the page's list in window coordinates, the item scrolled into view first.
inline tagHfcPoint BrowserItemPoint(BlueBrowserBase* page, int i) {
    CMMPCtrlList* list = page->GetList();
    list->AutoScroll(i, 0);
    tagHfcPoint p{};
    list->ViewIndexToPoint(&p, list->IndexToViewIndex(i));
    const tagHfcRect& l = page->GetRect();
    return {l.left + p.x + 20, l.top + p.y + 5};
}

// The sound of item i: its value is bank << 8 | program.
inline QorX0::SOUNDINDEX BrowserItemSound(BlueBrowserBase* page, int i) {
    const int v = page->GetList()->GetItem(i)->m_user1;
    return {static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v & 0xFF)};
}
