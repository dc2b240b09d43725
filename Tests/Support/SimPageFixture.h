#pragma once
// Edit pages, dialogs and browsers on a headless window of the editor's size, over the real remote
// synthesizer talking to the simulated instrument on the loopback: the clock, the screen and the input
// devices set up, the image cache, form tables and fonts started, and one page at a time created on
// the window. The instrument applies the parameter changes it receives to its memory, so that a test
// can compare both memories after an edit.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Controls/QnControlCreater.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Common/Layers/QnLayerBase.h"
#include "Common/Layers/TabControl.h"
#include "Common/QnUtils/QnUtils.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Hfc/HfcFixture.h"
#include "Support/EditorImageDiffs.h"
#include "Support/SimImage.h"
#include "Support/SimTableLocator.h"
#include "Support/SynthHarness.h"

class SimPageFixture : public SynthTest::SynthFixture {
protected:
    void SetUp() override {
        SynthFixture::SetUp();
        HfcTestClock::Now() = 100000;
        m_oldClock = HfcSetSystemTimeHook(&HfcTestClock::Read);
        screen.Install();
        CHfcMouse::Initialize(true);
        CHfcKey::Initialize();
        CHfcDrag::Initialize();
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(UIFormManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
        m_started = true;
        QnUtils::mProductName = "Tolva Plug-In Editor";
        window = std::make_unique<CTestWindow>();
        ASSERT_TRUE(window->Create("pages", 0, 0, ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight, 0,
                                   nullptr, nullptr, nullptr));
        window->Show();
        window->Activate();
    }
    void TearDown() override {
        Close();
        window.reset();
        if (m_started) {
            FontManager::Uninitialize();
            UIFormManager::Uninitialize();
            ResourceManager::Uninitialize();
        }
        CHfcDrag::Uninitialize();
        CHfcKey::Uninitialize();
        CHfcMouse::Uninitialize();
        HfcSetSystemTimeHook(m_oldClock);
        SynthFixture::TearDown();
    }

    // The instrument applies every parameter change it receives to its memory, as the instrument does.
    void InstrumentAppliesChanges() {
        sim->With(
            [](Sim::SimCore& c) { c.SetParamLocator(Sim::MakeTableLocator(c.GetModel(), &c.Image())); });
    }
    // A connected instrument whose memory the editor received, applying the changes it gets, in mode
    // (none: the instrument's own); what the connection logged is forgotten.
    void MakeSynced(unsigned char pmid, int mode = -1) {
        model = pmid;
        // A test may make a second instrument: the synthesizer and the port go before the instrument
        // they talk to.
        if (synth) synth->UnadviseSink(&log);
        synth.reset();
        port.reset();
        sim.reset();
        Make(pmid, true, true);
        InstrumentAppliesChanges();
        if (mode >= 0) synth->PutMode(static_cast<unsigned char>(mode));
        Settle();
        log.Clear();
    }

    // A page made by the test, created on its background at the window's corner and shown; it stays
    // until Close or the next Open.
    template <class Page>
    Page* Open(Page* made, const char* background = "Background_MainTab_Large") {
        Close();
        page.reset(made);
        CTabPageLayerCreateParam param{0, 0, QnControlCreater::LoadImage(background)};
        EXPECT_TRUE(page->Create(param, window.get())) << background;
        page->Show(false);
        Tick();
        return made;
    }
    template <class Page>
    Page* Open() {
        return Open(new Page(synth.get()));
    }
    void Close() {
        if (!page) return;
        page->OnDestroy();
        window->RemoveLayer(page.get(), false);
        page.reset();
    }

    // What arrives from the instrument is handled and every layer of the window has its idle ticks.
    virtual void Tick() {
        for (int i = 0; i < 3; ++i) {
            Pump(10);
            IdleLayers();
        }
        window->FlushUpdateRect();
    }
    void IdleLayers() {
        for (int i = 0; i < window->GetNumLayers(); ++i)
            if (auto* layer = dynamic_cast<QnLayerBase*>(window->GetLayerByIndex(i))) layer->Idle(0);
    }

    // The open page's control, and what that control would tell the page.
    CHfcControl* Control(int id, int sub = 0) { return page ? page->GetControlById(id, sub) : nullptr; }
    void Type(int id, const char* text) {
        CHfcControl* c = Control(id);
        ASSERT_NE(c, nullptr) << std::hex << id;
        page->OnHfcCtrlPtrValueChanged(c, const_cast<char*>(text));
    }
    void Report(int id, int value) {
        CHfcControl* c = Control(id);
        ASSERT_NE(c, nullptr) << std::hex << id;
        page->OnHfcCtrlIntValueChanged(c, value);
    }

    // A click at window coordinates, apart in time from the one before (no double click).
    void ClickAt(int x, int y) {
        HfcTestClock::Now() += 1000;
        screen.MoveTo(x, y);
        screen.Click();
        HfcTestClock::Now() += 1000;
    }
    // A click at the centre of control on its layer.
    void ClickOn(CHfcWindowLayer* layer, CHfcControl* control) {
        ASSERT_NE(control, nullptr);
        const tagHfcRect& l = layer->GetRect();
        const tagHfcRect& c = control->GetRect();
        ClickAt(l.left + (c.left + c.right) / 2, l.top + (c.top + c.bottom) / 2);
    }

    // The instrument's memory against the editor's image, but for what the two keep apart by design.
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
    CHfcHeadlessScreen screen{1024, 768};
    std::unique_ptr<CTestWindow> window;
    std::unique_ptr<CTabPageLayer> page;
    std::vector<std::string> boxes;

private:
    HfcSystemTimeHook m_oldClock = nullptr;
    bool m_started = false;
};
