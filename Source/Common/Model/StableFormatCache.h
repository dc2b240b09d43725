#pragma once
// A front cache for the accessor and converter pools, keyed by the row's description and the ADDRESS
// of its format. Only formats that live as long as the process (the static table rows) may be used
// as keys: binding thousands of rows that share a few formats then costs one hash lookup each
// instead of parsing and comparing the format text.
#include <array>
#include <cstddef>
#include <functional>
#include <mutex>
#include <unordered_map>

namespace QorX0 {

template <class T>
class CStableFormatCache {
public:
    using Key = std::pair<std::array<int, 5>, const char*>;

    // The cached object, or the one make() returns (cached from then on).
    template <class Make>
    T* Get(const std::array<int, 5>& description, const char* format, Make make) {
        const Key key{description, format};
        {
            std::lock_guard<std::mutex> hold(m_lock);
            auto found = m_cache.find(key);
            if (found != m_cache.end()) return found->second;
        }
        T* made = make();
        std::lock_guard<std::mutex> hold(m_lock);
        m_cache.emplace(key, made);
        return made;
    }

private:
    struct Hash {
        size_t operator()(const Key& k) const {
            size_t h = std::hash<const void*>()(k.second);
            for (int v : k.first) h = h * 1000003u ^ std::hash<int>()(v);
            return h;
        }
    };
    std::mutex m_lock;
    std::unordered_map<Key, T*, Hash> m_cache;
};

}  // namespace QorX0
