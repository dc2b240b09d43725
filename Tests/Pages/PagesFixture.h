#pragma once
// Edit pages on a headless window the size of the editor's, over the recording remote synthesizer,
// with the image cache, the fonts and the form tables started. A page is created as the window
// creates it: constructed, created on its background, then placed on a main tab control that sits
// on a holder layer (the root layer's place).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Common/Controls/ArtGeometry.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Common/Layers/QnLayerBase.h"
#include "Common/Layers/TabControl.h"
#include "Common/Pages/EditTabPageLayerBase.h"
#include "Common/Pages/PageCatalogue.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/HfcFixture.h"
#include "Support/RecordingRemoteSynth.h"

// Where page pictures go: build/<preset>/Tests/gallery/pages/<name>.png.
inline std::string PageGalleryPath(const std::string& name) {
    const std::filesystem::path dir =
        std::filesystem::canonical("/proc/self/exe").parent_path() / "gallery" / "pages";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    return (dir / (name + ".png")).string();
}

// The layer that holds a main tab control, as the editor window's root layer does.
class PageHolderLayer : public QnLayerBase {};

class PagesFixture : public HfcWindowFixture {
protected:
    void SetUp() override {
        HfcWindowFixture::SetUp();
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
        ASSERT_TRUE(UIFormManager::Initialize());
        synth = std::make_unique<QorX0::RecordingRemoteSynth>(model);
        window = MakeWindow(0, 0, ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight);
        holder = std::make_unique<PageHolderLayer>();
        ASSERT_TRUE(
            holder->Create(0, 0, ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight, nullptr, window));
        holder->Show(false);
        tabs = new CTabControl();
        stTabControlCreateParam param{};
        param.x = ArtGeometry::kMainTabX;
        param.y = ArtGeometry::kMainTabY;
        param.tabWidth = ArtGeometry::kMainTabWidth;
        param.tabHeight = ArtGeometry::kMainTabHeight;
        param.tabGap = ArtGeometry::kMainTabGap;
        param.tabImage = ResourceManager::GetInstance()->LoadImage("Tab_Prog_Main");
        ASSERT_TRUE(tabs->Create(param, 33, 0));
        holder->AddControl(tabs, false);
        tabs->Show(false);
    }
    void TearDown() override {
        for (auto it = pages.rbegin(); it != pages.rend(); ++it) DestroyPage(*it);
        pages.clear();
        if (holder) {
            holder->RemoveControl(tabs, false);
            tabs->Destroy();
            delete tabs;
            holder->Destroy();
            holder.reset();
        }
        HfcWindowFixture::TearDown();
        synth.reset();
        UIFormManager::Uninitialize();
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
    static void DestroyPage(CTabPageLayer* page) {
        page->OnDestroy();
        if (CHfcWindow* w = page->GetWindow()) w->RemoveLayer(page, false);
        delete page;
    }
    // Creates page on the background, adds it to the main tabs; the fixture deletes it.
    template <class P>
    P* Adopt(P* page, const char* background) {
        EXPECT_NE(page, nullptr);
        if (!page) return nullptr;
        CTabPageLayerCreateParam param{0, 0, ResourceManager::GetInstance()->LoadImage(background)};
        EXPECT_TRUE(page->Create(param, window)) << background;
        tabs->AddTabPageLayer(window, page);
        pages.push_back(page);
        return page;
    }
    CTabPageLayer* AdoptCatalogued(int tab, int index) {
        return Adopt(NewEditPage(synth.get(), tab, index), EditPageBackground(tab, index));
    }
    // Makes page the shown main page and runs the idle ticks that switch and draw it.
    void ShowPage(CTabPageLayer* page) {
        tabs->SetActivePage(page, true);
        Tick();
    }
    // One idle tick of the window: the tab controls switch, every layer replays and redraws.
    void Tick() {
        synth->sections.host.Pump();
        tabs->OnIdle(0);
        for (int round = 0; round < 2; ++round)
            for (int i = 0; i < window->GetNumLayers(); ++i)
                if (auto* layer = dynamic_cast<QnLayerBase*>(window->GetLayerByIndex(i))) layer->Idle(0);
        window->FlushUpdateRect();
    }

    unsigned char model = QorX0::kPmidTolva;
    std::unique_ptr<QorX0::RecordingRemoteSynth> synth;
    CTestWindow* window = nullptr;
    std::unique_ptr<PageHolderLayer> holder;
    CTabControl* tabs = nullptr;
    std::vector<CTabPageLayer*> pages;
};
