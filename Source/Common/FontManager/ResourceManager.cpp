#include "Common/FontManager/ResourceManager.h"

#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ManagerLock.h"
#include "Hfc/Base/HfcBundle.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Linux/Trace.h"

ResourceManager* ResourceManager::mInstance = nullptr;
int ResourceManager::mRefCounter = 0;

bool ResourceManager::Initialize() {
    return CountedInitialize(mInstance, mRefCounter, [] { return new ResourceManager; });
}

void ResourceManager::Uninitialize() {
    CountedUninitialize(mInstance, mRefCounter, [](ResourceManager* instance) { delete instance; });
}

ResourceManager* ResourceManager::GetInstance() {
    return CountedInstance(mInstance);
}

ResourceManager::ResourceManager() {
    // Every later image lookup goes to the plug-in's own resources (compiled in, or the
    // "Resources" folder beside the shared object).
    m_bundle = HfcMacBundleCreateForPlugin();
    if (m_bundle != nullptr) HfcMacSetBundle(m_bundle);
}

ResourceManager::~ResourceManager() {
    UnloadAllImages();
    // Hand the toolkit's bundle back when it is still ours, so that nothing made here outlives the
    // cache (a host may unload the plug-in after its last effect closes).
    if (m_bundle != nullptr) {
        HfcBundleRef current = HfcMacGetBundle();
        if (current == m_bundle) HfcMacSetBundle(nullptr);
        HfcBundleRelease(current);
        HfcBundleRelease(m_bundle);
    }
}

CHfcBmp* ResourceManager::LoadImage(const std::string& name) {
    if (name.empty()) return nullptr;
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_images.find(name);
    if (it != m_images.end()) return it->second;
    auto* image = new CHfcBmp;
    if (!image->LoadPNG(name.c_str(), nullptr, 0)) {
        delete image;
        if (m_reported.insert(name).second) TRACE("ResourceManager: no image \"%s\"\n", name.c_str());
        return nullptr;
    }
    m_images[name] = image;
    return image;
}

void ResourceManager::UnloadImage(const std::string& name) {
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_images.find(name);
    if (it == m_images.end()) return;
    FontManager::ForgetImage(it->second);
    delete it->second;
    m_images.erase(it);
}

void ResourceManager::UnloadAllImages() {
    std::lock_guard<std::mutex> guard(m_lock);
    for (auto& entry : m_images) {
        FontManager::ForgetImage(entry.second);
        delete entry.second;
    }
    m_images.clear();
}
