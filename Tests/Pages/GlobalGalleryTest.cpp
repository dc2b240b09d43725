// Every global page drawn headless with the editor's art over the sections' values, written to
// build/<preset>/Tests/gallery/pages/Global_<index>_<page>.png for a look by eye.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "Common/Controls/QnControlCreater.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/TabControl.h"
#include "Common/Pages/GlobalSystemPages.h"
#include "Common/Pages/PageCatalogue.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Hfc/HfcFixture.h"
#include "Hfc/HfcGallery.h"
#include "Support/RecordingRemoteSynth.h"

using namespace QorX0;

namespace {

class GlobalGallery : public HfcWindowFixture {
protected:
    void SetUp() override {
        HfcWindowFixture::SetUp();
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
        window = MakeWindow(0, 0, 572, 416);
    }
    void TearDown() override {
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
        HfcWindowFixture::TearDown();
    }
    CTestWindow* window = nullptr;
};

TEST_F(GlobalGallery, EveryGlobalPageIsDrawnOnTheLargePage) {
    const char* names[] = {"SoftwareSetup", "SystemMIDI", "UserScale",
                           "CategoryName",  "DrumKit",    "ArpeggioPattern"};
    for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
        RecordingRemoteSynth synth(pmid);
        synth.inPorts = {MIDIDevKey("Tolva MIDI In", 1), MIDIDevKey("USB Keyboard", 2)};
        synth.outPorts = {MIDIDevKey("Tolva MIDI Out", 3)};
        // A pattern with steps to look at: a rising figure, one legato step, fixed notes.
        synth.sections.patterns.Select(7, 0);
        for (int s = 0; s < 16; ++s) synth.sections.patterns.PutParamI((s << 8) | (10 + s % 12), 1);
        synth.sections.patterns.PutParamI((5 << 8) | 7, 101);
        synth.sections.patterns.PutParamI(3, 1);
        synth.sections.patterns.PutParamI(2, 16);
        synth.sections.host.Pump();
        for (int index = 0; index < 6; ++index) {
            SCOPED_TRACE(names[index]);
            std::unique_ptr<CTabPageLayer> page(NewGlobalPage(&synth, index));
            ASSERT_NE(page, nullptr);
            CTabPageLayerCreateParam param{0, 0, QnControlCreater::LoadImage("Background_MainTab_Large")};
            ASSERT_TRUE(page->Create(param, window));
            page->Show(false);
            for (int i = 0; i < 3; ++i) {
                synth.sections.host.Pump();
                page->Idle(0);
            }
            page->OnRefresh();
            const std::string dir = std::filesystem::path(HfcGalleryPath("x")).parent_path() / "pages";
            std::filesystem::create_directories(dir);
            const std::string file = dir + "/Global_" + std::to_string(index) + "_" + names[index] +
                                     (pmid == kPmidTolva ? "" : "_Nerimo") + ".png";
            EXPECT_TRUE(HfcWritePng(page->GetContext()->GetBmp(), file.c_str()));
            // The user scale page once more on the last, shorter octave.
            if (auto* scale = dynamic_cast<GlobalUserScaleLayer*>(page.get())) {
                scale->OnAllNotesOctaveChanged(10);
                page->Idle(0);
                page->OnRefresh();
                const std::string last =
                    dir + "/Global_2_UserScale_Octave10" + (pmid == kPmidTolva ? "" : "_Nerimo") + ".png";
                EXPECT_TRUE(HfcWritePng(page->GetContext()->GetBmp(), last.c_str()));
            }
            page->OnDestroy();
            window->RemoveLayer(page.get(), false);
        }
    }
}

}  // namespace
