#include "Common/Editor/BackgroundLayerParts.h"

#include "Common/FontManager/FontManager.h"
#include "Common/Layers/TabControl.h"
#include "Common/Plugin/QorVst.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Draw/HfcBmp.h"

#if __has_include("Common/Pages/PageCatalogue.h")
#include "Common/Pages/PageCatalogue.h"
#define TOLVA_HAS_PAGE_CATALOGUE 1
#endif
#if __has_include("Common/Pages/EditTabPageLayerBase.h")
#include "Common/Pages/EditTabPageLayerBase.h"
#define TOLVA_HAS_EDIT_PAGE_BASE 1
#endif
#if __has_include("Common/Pages/CombiMultiLayerBase.h")
#include "Common/Pages/CombiMultiLayerBase.h"
#define TOLVA_HAS_COMBI_MULTI_BASE 1
#endif
#if __has_include("Common/Editor/Browsers.h")
#include "Common/Editor/Browsers.h"
#define TOLVA_HAS_BROWSERS 1
#endif

namespace EditorParts {

namespace {
// Until the page families exist, a tab shows plain pages of its background.
#ifndef TOLVA_HAS_PAGE_CATALOGUE
constexpr const char* kPageNames[BackgroundLayer::kTabCount][10] = {
    {"CombiPlayLayer", "CombiToneAdjustLayer", "CombiTimbreParamLayer", "CombiMIDIFilterLayer",
     "CombiKeyVelZoneLayer", "CombiArpControlsLayer", "CombiInsertFXLayer", "CombiMasterFXLayer"},
    {"MultiPlayLayer", "MultiToneAdjustLayer", "MultiTrackParamLayer", "MultiMIDIFilterLayer",
     "MultiKeyVelZoneLayer", "MultiArpControlsLayer", "MultiInsertFXLayer", "MultiMasterFXLayer"},
    {"ProgPlayLayer", "ProgBasicLayer", "ProgPitchLayer", "ProgLFOsLayer", "ProgFilterLayer",
     "ProgFilterLayer", "ProgAmpLayer", "ProgArpControlsLayer", "ProgInsertFXLayer", "ProgMasterFXLayer"},
    {"GlobalSoftwareSetupLayer", "GlobalSystemMIDILayer", "GlobalUserScaleLayer", "GlobalCategoryNameLayer",
     "GlobalDrumKitLayer", "GlobalArpeggioPatternLayer"},
};
#endif
#ifndef TOLVA_HAS_BROWSERS
constexpr const char* kPickListTitles[] = {"LoadProgram", "Load Effect", "Load Effect",
                                           "Load Effect", "Load Effect", "Load ArpeggioPattern"};
#endif
}  // namespace

CTabPageLayer* NewMainPage(QorX0::IRemoteSynth* synth, int tab, int index) {
    if (tab < 0 || tab >= BackgroundLayer::kTabCount || index < 0 || index >= kMainTabInfo[tab].pages)
        return nullptr;
#ifdef TOLVA_HAS_PAGE_CATALOGUE
    return NewEditPage(synth, tab, index);
#else
    return new CTabPageLayer(synth, kPageNames[tab][index]);
#endif
}

const char* MainPageBackground(int tab, int index) {
#ifdef TOLVA_HAS_PAGE_CATALOGUE
    if (const char* name = EditPageBackground(tab, index)) return name;
#endif
    return tab == BackgroundLayer::kTabProg && index == 0 ? "Background_MainTab_Small"
                                                          : "Background_MainTab_Large";
}

CTabPageLayer* NewPickList(int type, QorX0::IRemoteSynth* synth, int section, int paramId) {
#ifdef TOLVA_HAS_BROWSERS
    return NewPickListBrowser(type, synth, section, paramId);
#else
    (void)section;
    (void)paramId;
    if (type < 0 || type > 5) return nullptr;
    return new CTabPageLayer(synth, kPickListTitles[type]);
#endif
}

CTabPageLayer* NewWrite(QorX0::IRemoteSynth* synth) {
#ifdef TOLVA_HAS_BROWSERS
    return NewWriteBrowser(synth);
#else
    return new CTabPageLayer(synth, "WriteProgram");
#endif
}

CTabPageLayer* NewRename(QorX0::IRemoteSynth* synth, int kind) {
#ifdef TOLVA_HAS_BROWSERS
    return NewRenameBrowser(synth, kind);
#else
    (void)kind;
    return new CTabPageLayer(synth, "RenameBrowser");
#endif
}

BlueBrowserData* NewBrowserData(QorX0::IRemoteSynth* synth) {
#ifdef TOLVA_HAS_BROWSERS
    return new BlueBrowserData(synth);
#else
    (void)synth;
    return nullptr;
#endif
}

void DeleteBrowserData(BlueBrowserData* data) {
#ifdef TOLVA_HAS_BROWSERS
    delete data;
#else
    (void)data;
#endif
}

bool AdviseBrowserData(BlueBrowserData* data) {
#ifdef TOLVA_HAS_BROWSERS
    return data != nullptr && data->Advise();
#else
    (void)data;
    return false;
#endif
}

void UnadviseBrowserData(BlueBrowserData* data) {
#ifdef TOLVA_HAS_BROWSERS
    if (data != nullptr) {
        data->Unadvise();
        data->RemoveAllBrowsers();
    }
#else
    (void)data;
#endif
}

CTabPageLayer* NewSoundBrowser(BlueBrowserData* data, QorX0::IRemoteSynth* synth, bool big) {
#ifdef TOLVA_HAS_BROWSERS
    (void)synth;
    CTabPageLayer* page = NewBlueBrowserPage(data, big);
    if (page != nullptr && data != nullptr) data->AddBrowser(page);
    return page;
#else
    (void)data;
    (void)big;
    return new CTabPageLayer(synth, "Browser");
#endif
}

void BrowserDataIdle(BlueBrowserData* data) {
#ifdef TOLVA_HAS_BROWSERS
    if (data != nullptr) data->OnIdle();
#else
    (void)data;
#endif
}

void BrowserDataRefresh(BlueBrowserData* data) {
#ifdef TOLVA_HAS_BROWSERS
    if (data != nullptr) data->UpdateAllBrowsers(nullptr, false);
#else
    (void)data;
#endif
}

void BrowserDataCancelAudition(BlueBrowserData* data) {
#ifdef TOLVA_HAS_BROWSERS
    if (data != nullptr) data->CancelAudition();
#else
    (void)data;
#endif
}

void BrowserDataJump(BlueBrowserData* data, bool category, int value) {
    (void)data;
    (void)category;
    (void)value;
}

bool IsEditPage(CTabPageLayer* page) {
#ifdef TOLVA_HAS_EDIT_PAGE_BASE
    return dynamic_cast<EditTabPageLayerBase*>(page) != nullptr;
#else
    (void)page;
    return false;
#endif
}

int EditPageTargetMode(CTabPageLayer* page) {
    return IsEditPage(page) ? page->GetTargetMode() : -1;
}

void SetActiveSublevel(CTabPageLayer* page, int sublevel) {
#ifdef TOLVA_HAS_EDIT_PAGE_BASE
    if (auto* edit = dynamic_cast<EditTabPageLayerBase*>(page))
        edit->SetActiveSublevelTabIndex(sublevel, true);
#else
    (void)page;
    (void)sublevel;
#endif
}

CombiMultiLayerBase* AsCombiMultiPage(CTabPageLayer* page) {
#ifdef TOLVA_HAS_COMBI_MULTI_BASE
    return dynamic_cast<CombiMultiLayerBase*>(page);
#else
    (void)page;
    return nullptr;
#endif
}

void TrackShiftPage(CombiMultiLayerBase* page, int delta) {
#ifdef TOLVA_HAS_COMBI_MULTI_BASE
    if (page != nullptr) page->TrackShift(delta);
#else
    (void)page;
    (void)delta;
#endif
}

bool IsTrackShiftAllowed(CombiMultiLayerBase* page) {
#ifdef TOLVA_HAS_COMBI_MULTI_BASE
    return page != nullptr && page->IsTrackShiftAllowed();
#else
    (void)page;
    return false;
#endif
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
