#pragma once
// A global page on a headless window the size of the editor's large main page, over the recording
// remote synthesizer, with the image cache and fonts started; and what the page tests read back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Common/Controls/QnControlCreater.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/TabControl.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Hfc/HfcFixture.h"
#include "Support/RecordingRemoteSynth.h"

namespace GlobalTest {

// The page's controls linked to a section, by PID.
inline std::vector<int> LinkedPids(const QnSynthLayer& page, const QorX0::ISection* section) {
    std::vector<CHfcControl*> controls;
    page.GetControlVec(controls);
    std::vector<int> pids;
    for (CHfcControl* c : controls) {
        const SParamIdInfo link = page.GetParameterIdByControl(c);
        if (link.section == section && link.pid != -1) pids.push_back(link.pid);
    }
    return pids;
}

inline std::string TextOf(CHfcControl* control) {
    if (control == nullptr) return "<none>";
    const char* text = static_cast<const char*>(control->GetPtrValue());
    return text ? text : "";
}

}  // namespace GlobalTest

template <class Page>
class GlobalPageFixture : public HfcWindowFixture {
protected:
    virtual unsigned char Model() const { return QorX0::kPmidTolva; }
    virtual std::unique_ptr<QorX0::RecordingRemoteSynth> MakeSynth() {
        return std::make_unique<QorX0::RecordingRemoteSynth>(Model());
    }

    void SetUp() override {
        HfcWindowFixture::SetUp();
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
        synth = MakeSynth();
        window = MakeWindow(0, 0, 572, 416);
        boxes.clear();
        HfcSetMessageBoxHook([this](const HfcMessageBoxRequest& r) {
            boxes.push_back(r.text + std::string(" / ") + r.caption);
            return answer;
        });
        CreatePage();
    }
    void CreatePage() {
        page = std::make_unique<Page>(synth.get());
        CTabPageLayerCreateParam param{0, 0, QnControlCreater::LoadImage("Background_MainTab_Large")};
        ASSERT_NE(param.background, nullptr);
        ASSERT_TRUE(page->Create(param, window));
        page->Show(false);
        Tick();
    }
    void DestroyPage() {
        if (!page) return;
        page->OnDestroy();
        window->RemoveLayer(page.get(), false);
        page.reset();
    }
    void TearDown() override {
        DestroyPage();
        HfcSetMessageBoxHook(nullptr);
        HfcWindowFixture::TearDown();
        synth.reset();
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
    // The section events reach the page and the page runs its idle tick.
    void Tick() {
        for (int i = 0; i < 3; ++i) {
            synth->sections.host.Pump();
            page->Idle(0);
        }
    }
    CHfcControl* Control(int id) { return page->GetControlById(id, 0); }
    // What the control would tell its listener.
    void Report(int id, int value) {
        CHfcControl* c = Control(id);
        ASSERT_NE(c, nullptr) << std::hex << id;
        page->OnHfcCtrlIntValueChanged(c, value);
    }
    void Type(int id, const char* text) {
        CHfcControl* c = Control(id);
        ASSERT_NE(c, nullptr) << std::hex << id;
        page->OnHfcCtrlPtrValueChanged(c, const_cast<char*>(text));
    }

    std::unique_ptr<QorX0::RecordingRemoteSynth> synth;
    CTestWindow* window = nullptr;
    std::unique_ptr<Page> page;
    std::vector<std::string> boxes;
    int answer = HFC_MB_RESULT_CANCEL;
};
