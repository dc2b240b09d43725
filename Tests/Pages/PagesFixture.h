#pragma once
// Edit pages on a headless window the size of the editor's, with the image cache, the fonts and the
// form tables started. A page is created as the window creates it: constructed, created on its
// background, then placed on a main tab control that sits on a holder layer (the root layer's
// place). PageHost does the work for any remote synthesizer; PagesFixture runs it over the
// recording one.
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

class PageHost {
public:
    // Needs the toolkit's screen and input set up (HfcWindowFixture, or the same steps).
    bool Start(CTestWindow* w) {
        window = w;
        if (!ResourceManager::Initialize() || !FontManager::Initialize() || !UIFormManager::Initialize())
            return false;
        m_started = true;
        holder = std::make_unique<PageHolderLayer>();
        if (!holder->Create(0, 0, ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight, nullptr, window))
            return false;
        holder->Show(false);
        tabs = new CTabControl();
        stTabControlCreateParam param{};
        param.x = ArtGeometry::kMainTabX;
        param.y = ArtGeometry::kMainTabY;
        param.tabWidth = ArtGeometry::kMainTabWidth;
        param.tabHeight = ArtGeometry::kMainTabHeight;
        param.tabGap = ArtGeometry::kMainTabGap;
        param.tabImage = ResourceManager::GetInstance()->LoadImage("Tab_Prog_Main");
        if (!tabs->Create(param, 33, 0)) return false;
        holder->AddControl(tabs, false);
        tabs->Show(false);
        return true;
    }
    void Stop() {
        for (auto it = pages.rbegin(); it != pages.rend(); ++it) DestroyPage(*it);
        pages.clear();
        if (holder) {
            holder->RemoveControl(tabs, false);
            tabs->Destroy();
            delete tabs;
            tabs = nullptr;
            holder->Destroy();
            holder.reset();
        }
        if (m_started) {
            UIFormManager::Uninitialize();
            FontManager::Uninitialize();
            ResourceManager::Uninitialize();
            m_started = false;
        }
    }
    static void DestroyPage(CTabPageLayer* page) {
        page->OnDestroy();
        if (CHfcWindow* w = page->GetWindow()) w->RemoveLayer(page, false);
        delete page;
    }
    // Creates page on the background and adds it to the main tabs; deleted by Stop.
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
    CTabPageLayer* AdoptCatalogued(QorX0::IRemoteSynth* synth, int tab, int index) {
        return Adopt(NewEditPage(synth, tab, index), EditPageBackground(tab, index));
    }
    // One idle tick of the window: the tab controls switch, every layer replays and redraws.
    void Tick() {
        tabs->OnIdle(0);
        for (int round = 0; round < 2; ++round)
            for (int i = 0; i < window->GetNumLayers(); ++i)
                if (auto* layer = dynamic_cast<QnLayerBase*>(window->GetLayerByIndex(i))) layer->Idle(0);
        window->FlushUpdateRect();
    }
    // Makes page the shown main page and runs the ticks that switch and draw it.
    void ShowPage(CTabPageLayer* page) {
        tabs->SetActivePage(page, true);
        Tick();
    }
    // Shows sublevel index of the shown page.
    void ShowSublevel(EditTabPageLayerBase* page, int index) {
        page->SetActiveSublevelTabIndex(index, true);
        Tick();
    }

    CTestWindow* window = nullptr;
    std::unique_ptr<PageHolderLayer> holder;
    CTabControl* tabs = nullptr;
    std::vector<CTabPageLayer*> pages;

private:
    bool m_started = false;
};

class PagesFixture : public HfcWindowFixture {
protected:
    void SetUp() override {
        HfcWindowFixture::SetUp();
        synth = std::make_unique<QorX0::RecordingRemoteSynth>(model);
        window = MakeWindow(0, 0, ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight);
        ASSERT_TRUE(host.Start(window));
        holder = host.holder.get();
        tabs = host.tabs;
    }
    void TearDown() override {
        host.Stop();
        HfcWindowFixture::TearDown();
        synth.reset();
    }
    template <class P>
    P* Adopt(P* page, const char* background) {
        return host.Adopt(page, background);
    }
    // A page of the catalogue, kept for the fixture to delete.
    CTabPageLayer* AdoptCatalogued(int tab, int index) {
        return host.AdoptCatalogued(synth.get(), tab, index);
    }
    // A page the test created itself, deleted by the fixture.
    void Keep(CTabPageLayer* page) { host.pages.push_back(page); }
    void ShowPage(CTabPageLayer* page) {
        synth->sections.host.Pump();
        host.ShowPage(page);
    }
    void Tick() {
        synth->sections.host.Pump();
        host.Tick();
    }

    unsigned char model = QorX0::kPmidTolva;
    std::unique_ptr<QorX0::RecordingRemoteSynth> synth;
    CTestWindow* window = nullptr;
    PageHost host;
    PageHolderLayer* holder = nullptr;
    CTabControl* tabs = nullptr;
};
