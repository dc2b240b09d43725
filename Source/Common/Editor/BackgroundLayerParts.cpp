#include "Common/Editor/BackgroundLayerParts.h"

#include "Common/FontManager/FontManager.h"
#include "Common/Layers/TabControl.h"
#include "Common/Plugin/QorVst.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Draw/HfcBmp.h"

#include "Common/Pages/PageCatalogue.h"
#include "Common/Pages/EditTabPageLayerBase.h"
#include "Common/Pages/CombiMultiLayerBase.h"
#include "Common/Editor/Browsers.h"

namespace EditorParts {

CTabPageLayer* NewMainPage(QorX0::IRemoteSynth* synth, int tab, int index) {
    if (tab < 0 || tab >= BackgroundLayer::kTabCount || index < 0 || index >= kMainTabInfo[tab].pages)
        return nullptr;
    return NewEditPage(synth, tab, index);
}

const char* MainPageBackground(int tab, int index) {
    if (const char* name = EditPageBackground(tab, index)) return name;
    return tab == BackgroundLayer::kTabProg && index == 0 ? "Background_MainTab_Small"
                                                          : "Background_MainTab_Large";
}

namespace {
BackgroundLayer::ModalPageFactory g_modalPages = nullptr;
}

CTabPageLayer* NewPickList(int type, QorX0::IRemoteSynth* synth, int section, int paramId) {
    if (g_modalPages != nullptr) return g_modalPages(synth, 0, type);
    return NewPickListBrowser(type, synth, section, paramId);
}

CTabPageLayer* NewWrite(QorX0::IRemoteSynth* synth) {
    if (g_modalPages != nullptr) return g_modalPages(synth, 1, 0);
    return NewWriteBrowser(synth);
}

CTabPageLayer* NewRename(QorX0::IRemoteSynth* synth, int kind) {
    if (g_modalPages != nullptr) return g_modalPages(synth, 2, kind);
    return NewRenameBrowser(synth, kind);
}

}  // namespace EditorParts

void BackgroundLayer::SetModalPageFactory(ModalPageFactory factory) {
    EditorParts::g_modalPages = factory;
}

namespace EditorParts {

BlueBrowserData* NewBrowserData(QorX0::IRemoteSynth* synth) {
    return new BlueBrowserData(synth);
}

void DeleteBrowserData(BlueBrowserData* data) {
    delete data;
}

bool AdviseBrowserData(BlueBrowserData* data) {
    return data != nullptr && data->Advise();
}

void UnadviseBrowserData(BlueBrowserData* data) {
    if (data != nullptr) {
        data->Unadvise();
        data->RemoveAllBrowsers();
    }
}

CTabPageLayer* NewSoundBrowser(BlueBrowserData* data, QorX0::IRemoteSynth* synth, bool big) {
    (void)synth;
    CTabPageLayer* page = NewBlueBrowserPage(data, big);
    if (page != nullptr && data != nullptr) data->AddBrowser(page);
    return page;
}

void BrowserDataIdle(BlueBrowserData* data) {
    if (data != nullptr) data->OnIdle();
}

void BrowserDataRefresh(BlueBrowserData* data) {
    if (data != nullptr) data->UpdateAllBrowsers(nullptr, false);
}

void BrowserDataCancelAudition(BlueBrowserData* data) {
    if (data != nullptr) data->CancelAudition();
}

void BrowserDataJump(BlueBrowserData* data, bool category, int value) {
    if (data == nullptr) return;
    if (category)
        data->SetCategoryFilter(value);
    else
        data->SetBankFilter(value);
}

bool IsEditPage(CTabPageLayer* page) {
    return dynamic_cast<EditTabPageLayerBase*>(page) != nullptr;
}

int EditPageTargetMode(CTabPageLayer* page) {
    return IsEditPage(page) ? page->GetTargetMode() : -1;
}

void SetActiveSublevel(CTabPageLayer* page, int sublevel) {
    if (auto* edit = dynamic_cast<EditTabPageLayerBase*>(page))
        edit->SetActiveSublevelTabIndex(sublevel, true);
}

CombiMultiLayerBase* AsCombiMultiPage(CTabPageLayer* page) {
    return dynamic_cast<CombiMultiLayerBase*>(page);
}

void TrackShiftPage(CombiMultiLayerBase* page, int delta) {
    if (page != nullptr) page->TrackShift(delta);
}

bool IsTrackShiftAllowed(CombiMultiLayerBase* page) {
    return page != nullptr && page->IsTrackShiftAllowed();
}

std::string ProductString(AudioEffect* effect) {
    auto* vst = dynamic_cast<QorVst*>(effect);
    char text[256] = {};
    if (vst == nullptr || !vst->getProductString(text)) return {};
    return text;
}

bool IsStandalone(AudioEffect* effect) {
    auto* vst = dynamic_cast<QorVst*>(effect);
    return vst != nullptr && vst->IsHostStandalone();
}

bool MidiInFromGUI(AudioEffect* effect, unsigned char status, unsigned char data1, unsigned char data2) {
    auto* vst = dynamic_cast<QorVst*>(effect);
    if (vst == nullptr) return false;
    vst->MidiInFromGUI(status, data1, data2);
    return true;
}

CHfcCtrlSwitch* PanelCreater::Switch(int x, int y, const std::string& image, int states, int id, int sub) {
    tagHfcCtrlSwitchParamEx param;
    if (!FillSwitchRecord(param, x, y, image, states)) return nullptr;
    // A one-state button has a pressed face below its normal one.
    if (states == 1) {
        param.oneFramePerState = 0;
        param.height = FrameHeight(param.bitmap, 2);
    }
    return CreateOrNone<CHfcCtrlSwitch>([&](CHfcCtrlSwitch& c) { return c.CreateEx(&param, id, sub); });
}

CHfcCtrlTextSwitch* PanelCreater::TextSwitch(int x, int y, const std::string& image, int states,
                                             uint32_t colour, int id) {
    tagHfcCtrlTextSwitchParam param;
    if (!FillSwitchRecord(param, x, y, image, states)) return nullptr;
    param.font = GetFont(FontName_HelvB11);
    param.text = "";
    param.colour = colour;
    param.hAlign = 1;
    param.vAlign = 1;
    return CreateOrNone<CHfcCtrlTextSwitch>([&](CHfcCtrlTextSwitch& c) { return c.Create(&param, id, 0); });
}

CHfcCtrlCharEditText* PanelCreater::DisplayEdit(int x, int y, int width, int height, int maxChars,
                                                const char* fontName, int id) {
    tagHfcBmpFontInfo* font = GetFont(fontName);
    if (font == nullptr || font->bitmap == nullptr) return nullptr;
    tagHfcCtrlCharEditTextParamEx2 param;
    param.x = x;
    param.y = y;
    param.width = width;
    param.height = height;
    param.font = font->bitmap;
    param.background = GetBackground();
    param.backgroundX = x;
    param.backgroundY = y;
    param.rows = 1;
    param.columns = maxChars;
    param.selectionColour = 0xFF3F3F7F;
    param.caretColour = 0xFF6178C2;
    param.step = 0.25;
    param.fineStep = 0.1;
    param.proportional = 1;
    param.proportionalFont = font;
    param.proportionalColour = 0xFF6178C2;
    return CreateOrNone<CHfcCtrlCharEditText>(
        [&](CHfcCtrlCharEditText& c) { return c.CreateEx2(&param, id, 0); });
}

}  // namespace EditorParts
