#include "Common/Controls/QnControlCreater.h"

#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Draw/HfcBmp.h"

CHfcBmp* QnControlCreater::LoadImage(const std::string& name) {
    ResourceManager* images = ResourceManager::GetInstance();
    return images != nullptr ? images->LoadImage(name) : nullptr;
}

tagHfcBmpFontInfo* QnControlCreater::GetFont(const std::string& name) {
    FontManager* fonts = FontManager::GetInstance();
    return fonts != nullptr ? fonts->GetBmpFontInfo(name) : nullptr;
}

int QnControlCreater::FrameHeight(const CHfcBmp* image, int states) {
    if (image == nullptr || states <= 0) return 0;
    return image->GetHeight() / states;
}
