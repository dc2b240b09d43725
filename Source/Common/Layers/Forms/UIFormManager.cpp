#include "Common/Layers/Forms/UIFormManager.h"

#include <mutex>

#include "Common/FontManager/ManagerLock.h"

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
