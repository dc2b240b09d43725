#pragma once
// A tab page on a headless window over the recording remote synthesizer, with the editor's image
// cache and fonts started, so that pages can hold the controls the factory makes.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Common/Controls/QnControlCreater.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/TabControl.h"
#include "Hfc/HfcFixture.h"
#include "Support/RecordingRemoteSynth.h"

template <class PageClass>
class FactoryPageFixture : public HfcWindowFixture {
protected:
    void SetUp() override {
        HfcWindowFixture::SetUp();
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
        synth = std::make_unique<QorX0::RecordingRemoteSynth>();
        synth->sections.host.SetMode(QorX0::kModeProgEdit);
        window = MakeWindow(0, 0, 600, 300);
        page = std::make_unique<PageClass>(synth.get(), "page");
        ASSERT_TRUE(page->Create(0, 0, 600, 300, nullptr, window));
        page->OnCreate();
        page->SetTargetMode(QorX0::kModeProgEdit);
    }
    void TearDown() override {
        if (page) {
            page->OnDestroy();  // removes, destroys and deletes the page's controls
            window->RemoveLayer(page.get(), false);
            page.reset();
        }
        HfcWindowFixture::TearDown();
        synth.reset();
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
    // Puts a control made by the factory on the page, as a page built from a form does, linked to
    // pid of the program edit buffer and synchronised.
    template <class C>
    C* Place(C* control, int pid) {
        EXPECT_NE(control, nullptr);
        if (control == nullptr) return nullptr;
        page->AddControl(control, false);
        control->SetListener(page.get());
        control->Show(false);
        if (pid != -1) {
            page->LinkControlWithParam(control, QorX0::kModeProgEdit, pid);
            page->SynchronizeControlWithParam(control, true);
        }
        return control;
    }
    QorX0::ISection* Prog() { return synth->GetEditBuffer(QorX0::kModeProgEdit); }
    std::string Text(int pid, int value) {
        QorX0::PARAMDESC desc{};
        EXPECT_TRUE(Prog()->GetParamDesc(pid, &desc));
        const std::string text = desc.converter->Format(value);
        return text.substr(0, text.find('\0'));
    }
    unsigned Sends() { return synth->sections.host.link.count; }
    void Tick() {
        synth->sections.host.Pump();
        page->Idle(0);
    }

    std::unique_ptr<QorX0::RecordingRemoteSynth> synth;
    CTestWindow* window = nullptr;
    std::unique_ptr<PageClass> page;
    QnControlCreater creater{nullptr, 0, 0};
};
