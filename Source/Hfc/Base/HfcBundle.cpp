#include "Hfc/Base/HfcBundle.h"

#include <dlfcn.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

struct HfcBundle {
    std::atomic<int> refs{1};
    std::string folder;
};

namespace {
HfcBundleRef g_toolkitBundle = nullptr;

std::string FolderOf(const std::string& file) {
    const size_t slash = file.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : file.substr(0, slash);
}

bool IsRegularFile(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
}  // namespace

HfcBundleRef HfcBundleCreateWithFolder(const char* folder) {
    HfcBundleRef bundle = new HfcBundle;
    if (folder != nullptr) bundle->folder = folder;
    return bundle;
}

HfcBundleRef HfcBundleRetain(HfcBundleRef bundle) {
    if (bundle != nullptr) bundle->refs.fetch_add(1, std::memory_order_relaxed);
    return bundle;
}

void HfcBundleRelease(HfcBundleRef bundle) {
    if (bundle != nullptr && bundle->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) delete bundle;
}

std::string HfcBundleGetFolder(HfcBundleRef bundle) {
    return bundle != nullptr ? bundle->folder : std::string();
}

HfcBundleRef HfcMacBundleCreateForPlugin() {
    Dl_info info;
    if (dladdr(reinterpret_cast<void*>(&HfcMacBundleCreateForPlugin), &info) == 0 ||
        info.dli_fname == nullptr || info.dli_fname[0] == '\0') {
        return nullptr;
    }
    std::string file = info.dli_fname;
    char resolved[PATH_MAX];
    if (realpath(file.c_str(), resolved) != nullptr) file = resolved;
    return HfcBundleCreateWithFolder((FolderOf(file) + "/Resources").c_str());
}

void HfcMacSetBundle(HfcBundleRef bundle) {
    HfcBundleRetain(bundle);
    HfcBundleRef previous = g_toolkitBundle;
    g_toolkitBundle = bundle;
    HfcBundleRelease(previous);
}

HfcBundleRef HfcMacGetBundle() {
    return HfcBundleRetain(g_toolkitBundle);
}

HfcBundleRef HfcMainBundle() {
    static HfcBundleRef mainBundle = [] {
        char exe[PATH_MAX];
        const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
        if (n <= 0) return HfcBundleCreateWithFolder(nullptr);
        exe[n] = '\0';
        return HfcBundleCreateWithFolder((FolderOf(exe) + "/Resources").c_str());
    }();
    return mainBundle;
}

bool HfcBundleFindResource(HfcBundleRef bundle, const char* fileName, std::string* path,
                           const unsigned char** data, size_t* size) {
    if (fileName == nullptr || fileName[0] == '\0' || std::strchr(fileName, '/') != nullptr) return false;
    if (path != nullptr) path->clear();
    if (data != nullptr) *data = nullptr;
    if (size != nullptr) *size = 0;
    if (bundle != nullptr && !bundle->folder.empty()) {
        const std::string candidate = bundle->folder + "/" + fileName;
        if (IsRegularFile(candidate)) {
            if (path != nullptr) *path = candidate;
            return true;
        }
    }
    size_t count = 0;
    const HfcResource* table = HfcCompiledResources(&count);
    for (size_t i = 0; i < count; ++i) {
        if (std::strcmp(table[i].name, fileName) == 0) {
            if (data != nullptr) *data = table[i].data;
            if (size != nullptr) *size = table[i].size;
            return true;
        }
    }
    return false;
}

const HfcFontMetrics* HfcFindFontMetrics(const char* name) {
    if (name == nullptr) return nullptr;
    size_t count = 0;
    const HfcFontMetrics* table = HfcCompiledFontMetrics(&count);
    for (size_t i = 0; i < count; ++i) {
        if (std::strcmp(table[i].name, name) == 0) return &table[i];
    }
    return nullptr;
}
