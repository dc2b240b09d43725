#pragma once
// Browser and dialog pages on the simulated-instrument window fixture: a holder layer standing where
// the window's root layer stands, and a tab control on it for the pages.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "Hfc/Draw/HfcBmp.h"
#include "Support/SimPageFixture.h"

inline std::string BrowserGalleryPath(const std::string& name) {
    const std::filesystem::path dir =
        std::filesystem::canonical("/proc/self/exe").parent_path() / "gallery" / "browsers";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    return (dir / (name + ".png")).string();
}

class BrowserHolderLayer : public QnLayerBase {};

class BrowserFixture : public SimPageFixture {
protected:
    void SetUp() override {
        SimPageFixture::SetUp();
        holder = std::make_unique<BrowserHolderLayer>();
        ASSERT_TRUE(holder->Create(0, 0, ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight, nullptr,
                                   window.get()));
        holder->Show(false);
    }
    void TearDown() override {
        DropTabs();
        if (holder) {
            holder->Destroy();
            holder.reset();
        }
        SimPageFixture::TearDown();
    }
    // A tab control at (x, y) with that strip, on the holder.
    CTabControl* MakeTabs(int x, int y, const char* strip, int tabWidth = 80, int tabHeight = 20) {
        DropTabs();
        tabs = new CTabControl();
        stTabControlCreateParam param{};
        param.x = x;
        param.y = y;
        param.tabWidth = tabWidth;
        param.tabHeight = tabHeight;
        param.tabImage = ResourceManager::GetInstance()->LoadImage(strip);
        EXPECT_TRUE(tabs->Create(param, 26, 0));
        holder->AddControl(tabs, false);
        tabs->Show(false);
        return tabs;
    }
    // Creates the page on its background and puts it on the tabs; deleted with the tabs.
    template <class P>
    P* Adopt(P* made, const char* background) {
        EXPECT_NE(made, nullptr);
        if (!made) return nullptr;
        CTabPageLayerCreateParam param{0, 0, ResourceManager::GetInstance()->LoadImage(background)};
        EXPECT_TRUE(made->Create(param, window.get()));
        EXPECT_TRUE(tabs->AddTabPageLayer(window.get(), made));
        return made;
    }
    void DropTabs() {
        if (!tabs) return;
        while (CTabPageLayer* p = tabs->GetTabPageLayer(0)) {
            tabs->RemoveTabPageLayer(p);
            p->OnDestroy();
            window->RemoveLayer(p, false);
            delete p;
        }
        holder->RemoveControl(tabs, false);
        tabs->Destroy();
        delete tabs;
        tabs = nullptr;
    }
    // One idle tick of the window, after the synthesizer's events arrived.
    void Tick() override {
        Pump(20);
        if (onTick) onTick();
        if (tabs) tabs->OnIdle(0);
        for (int round = 0; round < 2; ++round) IdleLayers();
        window->FlushUpdateRect();
    }
    void Shot(const std::string& name) {
        Tick();
        EXPECT_TRUE(HfcWritePng(window->GetFrame()->GetBackBuffer(), BrowserGalleryPath(name).c_str()))
            << name;
    }
    // A connected instrument in program play whose memory the editor holds; it writes the parameter
    // changes it is sent into its memory, as the instrument does.
    void MakeSynced(unsigned char pmid = QorX0::kPmidTolva) { SimPageFixture::MakeSynced(pmid); }

    std::function<void()> onTick;  // what the root layer does on its tick besides its layers
    std::unique_ptr<BrowserHolderLayer> holder;
    CTabControl* tabs = nullptr;
};
