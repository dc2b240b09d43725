#pragma once
// Browser and dialog pages on a headless window over the real remote synthesizer, talking to the
// simulated instrument on the loopback: the image cache and fonts started, a holder layer standing
// where the window's root layer stands, and a tab control on it for the pages.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "Common/Controls/ArtGeometry.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/QnLayerBase.h"
#include "Common/Layers/TabControl.h"
#include "Common/QnUtils/QnUtils.h"
#include "Editor/EditorImageDiffs.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/HfcFixture.h"
#include "Support/SimTableLocator.h"
#include "Support/SynthHarness.h"

inline std::string BrowserGalleryPath(const std::string& name) {
    const std::filesystem::path dir =
        std::filesystem::canonical("/proc/self/exe").parent_path() / "gallery" / "browsers";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    return (dir / (name + ".png")).string();
}

class BrowserHolderLayer : public QnLayerBase {};

class BrowserFixture : public SynthTest::SynthFixture {
protected:
    void SetUp() override {
        SynthFixture::SetUp();
        HfcTestClock::Now() = 100000;
        m_oldClock = HfcSetSystemTimeHook(&HfcTestClock::Read);
        screen.Install();
        CHfcMouse::Initialize(true);
        CHfcKey::Initialize();
        CHfcDrag::Initialize();
        window = std::make_unique<CTestWindow>();
        ASSERT_TRUE(window->Create("test", 0, 0, ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight, 0,
                                   nullptr, nullptr, nullptr));
        window->Show();
        window->Activate();
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
        QnUtils::mProductName = "Tolva Plug-In Editor";
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
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
        window.reset();
        CHfcDrag::Uninitialize();
        CHfcKey::Uninitialize();
        CHfcMouse::Uninitialize();
        HfcSetSystemTimeHook(m_oldClock);
        SynthFixture::TearDown();
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
    P* Adopt(P* page, const char* background) {
        EXPECT_NE(page, nullptr);
        if (!page) return nullptr;
        CTabPageLayerCreateParam param{0, 0, ResourceManager::GetInstance()->LoadImage(background)};
        EXPECT_TRUE(page->Create(param, window.get()));
        EXPECT_TRUE(tabs->AddTabPageLayer(window.get(), page));
        return page;
    }
    void DropTabs() {
        if (!tabs) return;
        while (CTabPageLayer* page = tabs->GetTabPageLayer(0)) {
            tabs->RemoveTabPageLayer(page);
            page->OnDestroy();
            window->RemoveLayer(page, false);
            delete page;
        }
        holder->RemoveControl(tabs, false);
        tabs->Destroy();
        delete tabs;
        tabs = nullptr;
    }
    // One idle tick of the window, after the synthesizer's events arrived.
    void Tick() {
        Pump(20);
        if (onTick) onTick();
        if (tabs) tabs->OnIdle(0);
        for (int round = 0; round < 2; ++round)
            for (int i = 0; i < window->GetNumLayers(); ++i)
                if (auto* layer = dynamic_cast<QnLayerBase*>(window->GetLayerByIndex(i))) layer->Idle(0);
        window->FlushUpdateRect();
    }
    void Shot(const std::string& name) {
        Tick();
        EXPECT_TRUE(HfcWritePng(window->GetFrame()->GetBackBuffer(), BrowserGalleryPath(name).c_str()))
            << name;
    }
    // A click at window coordinates, apart in time from the one before (no double click).
    void ClickAt(int x, int y) {
        HfcTestClock::Now() += 1000;
        screen.MoveTo(x, y);
        screen.Click();
        HfcTestClock::Now() += 1000;
    }
    // A press at the centre of control on its layer, through the screen.
    void ClickOn(CHfcWindowLayer* layer, CHfcControl* control) {
        ASSERT_NE(control, nullptr);
        const tagHfcRect& l = layer->GetRect();
        const tagHfcRect& c = control->GetRect();
        ClickAt(l.left + (c.left + c.right) / 2, l.top + (c.top + c.bottom) / 2);
    }
    // A connected instrument in program play whose memory the editor holds; it writes the parameter
    // changes it is sent into its memory, as the instrument does.
    void MakeSynced(unsigned char pmid = QorX0::kPmidTolva) {
        model = pmid;
        Make(pmid);
        sim->With(
            [](Sim::SimCore& c) { c.SetParamLocator(Sim::MakeTableLocator(c.GetModel(), &c.Image())); });
        ASSERT_TRUE(synth->ExecCommand(2, 0, 0, 0, 0));
        Settle();
        log.Clear();
    }
    // The simulator's memory against the editor's image.
    void ExpectImageEqual(const char* where) {
        Settle();
        const std::vector<Sim::ImageDiff> left = EditorImageDiffs(*sim, synth.get(), model);
        EXPECT_TRUE(left.empty()) << where << ": " << Sim::FormatDiffs(left);
    }
    // Answers every message box with answer and writes down "caption / text".
    void AnswerBoxes(int answer) {
        HfcSetMessageBoxHook([this, answer](const HfcMessageBoxRequest& r) {
            boxes.push_back(r.caption + " / " + r.text);
            return answer;
        });
    }

    unsigned char model = QorX0::kPmidTolva;
    std::function<void()> onTick;  // what the root layer does on its tick besides its layers
    CHfcHeadlessScreen screen{1024, 768};
    std::unique_ptr<CTestWindow> window;
    std::unique_ptr<BrowserHolderLayer> holder;
    CTabControl* tabs = nullptr;
    std::vector<std::string> boxes;
    HfcSystemTimeHook m_oldClock = nullptr;
};
