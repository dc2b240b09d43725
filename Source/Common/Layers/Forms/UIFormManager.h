#pragma once
// The editor's form tables: a reference-counted singleton that the plug-in starts between the image
// cache and the fonts.
class UIFormManager {
public:
    // Creates the instance on the first call and counts one more user; true when it exists.
    static bool Initialize();
    // Counts one user less; the last one destroys the instance.
    static void Uninitialize();
    static UIFormManager* GetInstance();

private:
    UIFormManager() = default;
    ~UIFormManager() = default;
    UIFormManager(const UIFormManager&) = delete;
    UIFormManager& operator=(const UIFormManager&) = delete;

    static UIFormManager* mInstance;
    static int mRefCounter;
};
