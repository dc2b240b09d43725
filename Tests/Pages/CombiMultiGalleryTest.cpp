// Every combination and multi page as a musician sees it in the window (with its first sublevel page
// where it has sublevel tabs), written to build/<preset>/Tests/gallery/pages/ for review; the multi
// pages that share eight places between sixteen tracks also with tracks 9 to 16 shown.
#include <typeinfo>

#include "Common/Pages/CombiMultiLayerBase.h"
#include "Pages/PagesFixture.h"

namespace {

class CombiMultiGallery : public PagesFixture, public testing::WithParamInterface<unsigned char> {
protected:
    void SetUp() override {
        model = GetParam();
        PagesFixture::SetUp();
    }
};

std::string ClassName(const CTabPageLayer* p) {
    std::string name = typeid(*p).name();
    while (!name.empty() && isdigit(static_cast<unsigned char>(name.front()))) name.erase(0, 1);
    return name;
}

TEST_P(CombiMultiGallery, EveryPageIsDrawn) {
    const std::string model = GetParam() == QorX0::kPmidTolva ? "Tolva" : "Nerimo";
    for (int tab : {kEditTabCombi, kEditTabMulti}) {
        for (int index = 0; index < EditPageCount(tab); ++index) {
            CTabPageLayer* page = AdoptCatalogued(tab, index);
            ASSERT_NE(page, nullptr);
            ShowPage(page);
            const std::string name =
                model + "_" + std::to_string(tab) + std::to_string(index) + "_" + ClassName(page);
            EXPECT_TRUE(HfcWritePng(window->GetFrame()->GetBackBuffer(), PageGalleryPath(name).c_str()));
            auto* columns = dynamic_cast<CombiMultiLayerBase*>(page);
            if (columns && columns->IsTrackShiftAllowed()) {
                columns->TrackShift(1);
                Tick();
                EXPECT_TRUE(HfcWritePng(window->GetFrame()->GetBackBuffer(),
                                        PageGalleryPath(name + "_Tracks9to16").c_str()));
                columns->TrackShift(0);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Models, CombiMultiGallery, testing::Values(QorX0::kPmidTolva, QorX0::kPmidNerimo),
                         [](const testing::TestParamInfo<unsigned char>& info) {
                             return info.param == QorX0::kPmidTolva ? std::string("Tolva")
                                                                    : std::string("Nerimo");
                         });

}  // namespace
