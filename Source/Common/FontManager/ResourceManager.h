#pragma once
// The editor's image cache: every picture of the editor is looked up by bare name, decoded once and
// kept until the last user of the editor layer goes. Controls and layers hold plain pointers into it.
// A reference-counted singleton; its count and cache are guarded, so the plug-in's start-up and
// shut-down may run on another thread than the window's.
#include <map>
#include <mutex>
#include <set>
#include <string>

class CHfcBmp;
struct HfcBundle;

class ResourceManager {
public:
    // Creates the instance on the first call and counts one more user; true when it exists.
    static bool Initialize();
    // Counts one user less; the last one destroys the instance with every cached image.
    static void Uninitialize();
    static ResourceManager* GetInstance();

    // The image of that name, decoded on first use ("<name>.png" from the plug-in's resources);
    // none for an empty or missing name. A missing name is not remembered: a later call tries again.
    CHfcBmp* LoadImage(const std::string& name);
    // Destroys the cached image of that name; nothing when it is not cached.
    void UnloadImage(const std::string& name);
    void UnloadAllImages();

private:
    ResourceManager();
    ~ResourceManager();
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    static ResourceManager* mInstance;
    static int mRefCounter;

    std::mutex m_lock;
    std::map<std::string, CHfcBmp*> m_images;
    std::set<std::string> m_reported;  // missing names already traced
    HfcBundle* m_bundle = nullptr;     // the resources bundle this cache made the toolkit's
};
