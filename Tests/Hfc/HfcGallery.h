#pragma once
// Where the toolkit tests write their pictures: build/<preset>/Tests/gallery/<name>.png.
#include <filesystem>
#include <string>

inline std::string HfcGalleryPath(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::canonical("/proc/self/exe").parent_path() / "gallery";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    return (dir / (name + ".png")).string();
}
