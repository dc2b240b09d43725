#pragma once
// Where the standalone program's tests put their pictures: build/<preset>/Tests/gallery/standalone/.
#include <filesystem>
#include <string>

#include "Hfc/Draw/HfcBmp.h"

inline std::string StandaloneGalleryPath(const std::string& name) {
    const std::filesystem::path dir =
        std::filesystem::canonical("/proc/self/exe").parent_path() / "gallery" / "standalone";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    return (dir / (name + ".png")).string();
}

inline bool WriteStandaloneGallery(CHfcBmp& bmp, const std::string& name) {
    return HfcWritePng(&bmp, StandaloneGalleryPath(name).c_str());
}
