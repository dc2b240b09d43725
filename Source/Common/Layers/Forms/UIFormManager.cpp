#include "Common/Layers/Forms/UIFormManager.h"

#include <cstring>
#include <map>

#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ManagerLock.h"
#include "Common/FontManager/ResourceManager.h"

UIFormManager* UIFormManager::mInstance = nullptr;
int UIFormManager::mRefCounter = 0;

bool UIFormManager::Initialize() {
    return CountedInitialize(mInstance, mRefCounter, [] { return new UIFormManager; });
}

void UIFormManager::Uninitialize() {
    CountedUninitialize(mInstance, mRefCounter, [](UIFormManager* instance) { delete instance; });
}

UIFormManager* UIFormManager::GetInstance() {
    return CountedInstance(mInstance);
}

int UIFormManager::GetLayerFormInfoCount() const {
    return UIForms::_g_uiFormInfoBlock.count;
}

const UI_FORMINFO* UIFormManager::GetLayerFormInfoByIndex(int index) const {
    const UI_FORMINFOBLOCK& block = UIForms::_g_uiFormInfoBlock;
    if (index < 0 || index >= block.count) return nullptr;
    const UI_FORMINFO& row = block.forms[index];
    return UI_FORM_Utils::SameText(row.className, UIForms::kClassLayer) ? &row : nullptr;
}

const UI_FORMINFO* UIFormManager::GetLayerFormInfoById(int id) const {
    const UI_FORMINFOBLOCK& block = UIForms::_g_uiFormInfoBlock;
    for (int i = 0; i < block.count; ++i) {
        const UI_FORMINFO& row = block.forms[i];
        if (row.kindId == id && UI_FORM_Utils::SameText(row.className, UIForms::kClassLayer)) return &row;
    }
    return nullptr;
}

namespace UI_FORM_Utils {

bool SameText(const char* a, const char* b) {
    if (a == nullptr || b == nullptr) return a == b;
    return std::strcmp(a, b) == 0;
}

bool IsControlClass(int classNumber) {
    return classNumber > 10;
}

namespace {
const std::map<std::string, int>& ClassName2IntMap() {
    // Filled on first use (a function-local static: safe from any thread and any initialiser).
    static const std::map<std::string, int> gClassName2IntMap = {
        {UIForms::kClassText, kClassNumText},         {UIForms::kClassCheckBox, kClassNumCheckBox},
        {UIForms::kClassEditText, kClassNumEditText}, {UIForms::kClassPopupMenu, kClassNumPopupMenu},
        {UIForms::kClassValueBar, kClassNumValueBar},
    };
    return gClassName2IntMap;
}
}  // namespace

int GetItemClassInt(const UI_FORMINFO& row) {
    if (row.className == nullptr) return -1;
    const auto& map = ClassName2IntMap();
    auto it = map.find(row.className);
    return it == map.end() ? -1 : it->second;
}

int GetImageItemCount(const std::string& name) {
    const UI_IMAGEINFOBLOCK& block = UIForms::_g_uiImageInfoBlock;
    for (int i = 0; i < block.count; ++i)
        if (name == block.images[i].name) return block.images[i].frames;
    return 0;
}

stTextDrawInfo CreateDrawTextInfo(const UI_FORMINFO& row) {
    stTextDrawInfo info;
    info.kindId = row.kindId;
    info.x = row.x;
    info.y = row.y;
    info.width = row.width;
    info.caption = row.caption != nullptr ? row.caption : "";
    // A form row has no font name at all: no font and no image, rather than a text from a null pointer.
    const std::string fontName = row.fontName != nullptr ? row.fontName : "";
    if (fontName.empty()) return info;
    if (FontManager* fonts = FontManager::GetInstance()) info.font = fonts->GetBmpFontInfo(fontName);
    if (info.font == nullptr)
        if (ResourceManager* images = ResourceManager::GetInstance())
            info.image = images->LoadImage(fontName);
    return info;
}

}  // namespace UI_FORM_Utils
