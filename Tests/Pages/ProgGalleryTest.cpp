// Pictures of every program page with each of its sublevel pages, and of the effect sub-page for a
// few effect types, as the window shows them (build/<preset>/Tests/gallery/pages/).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "Common/Model/Sections.h"
#include "Common/Pages/EffectEditLayer.h"
#include "Common/Pages/ProgPages.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Pages/PagesFixture.h"

using namespace QorX0;

namespace {

class ProgGalleryTest : public PagesFixture {
protected:
    // The main page's area of the window, page and sublevel page together.
    bool Shoot(CTabPageLayer* page, const std::string& name) {
        const tagHfcRect r = page->GetRect();
        CHfcOffscreenContext picture(r.right - r.left, r.bottom - r.top);
        picture.CopyBmp(0, 0, r.right - r.left, r.bottom - r.top, window->GetFrame()->GetBackBuffer(), r.left,
                        r.top);
        return HfcWritePng(picture.GetBmp(), PageGalleryPath(name).c_str());
    }
};

TEST_F(ProgGalleryTest, EveryProgramPageWithEachSublevelPage) {
    static const char* kNames[] = {"Play",    "Basic", "Pitch", "LFOs", "Filter1",
                                   "Filter2", "Amp",   "Arp",   "IFX",  "MFX"};
    std::vector<CTabPageLayer*> program;
    for (int i = 0; i < EditPageCount(kEditTabProg); ++i) program.push_back(AdoptCatalogued(kEditTabProg, i));
    for (int i = 0; i < EditPageCount(kEditTabProg); ++i) {
        auto* page = static_cast<EditTabPageLayerBase*>(program[static_cast<size_t>(i)]);
        ShowPage(page);
        Tick();
        char name[64];
        CTabControl* sub = page->GetSubTabControl();
        const int count = sub ? sub->GetTabPageCount() : 0;
        if (count == 0) {
            std::snprintf(name, sizeof name, "Prog%d_%s", i, kNames[i]);
            EXPECT_TRUE(Shoot(page, name));
        }
        for (int s = 0; s < count; ++s) {
            host.ShowSublevel(page, s);
            Tick();
            ASSERT_TRUE(sub->GetTabPageLayer(s)->IsVisible()) << i << "/" << s;
            std::snprintf(name, sizeof name, "Prog%d_%s_%d", i, kNames[i], s);
            EXPECT_TRUE(Shoot(page, name));
        }
    }
}

TEST_F(ProgGalleryTest, TheEffectSubPageForAFewTypes) {
    auto* insert = static_cast<ProgInsertFXLayer*>(AdoptCatalogued(kEditTabProg, 8));
    ShowPage(insert);
    host.ShowSublevel(insert, 1);
    ISection* prog = synth->GetEditBuffer(kModeProgEdit);
    for (int type : {1, 9, 16, 30, 47, 52, 74, 89}) {
        prog->PutParamIEx(0x1E00, type, kPutNotify);
        Tick();
        Tick();
        char name[32];
        std::snprintf(name, sizeof name, "Effect_%02d", type);
        EXPECT_TRUE(Shoot(insert, name));
    }
}

}  // namespace
