#pragma once
// The reference counts of the editor layer's shared managers (images, forms, fonts): the plug-in
// starts and stops them from whichever thread the host uses, so counts and instance pointers change
// under one lock. Recursive, because the fonts' construction asks for the image cache.
#include <mutex>

std::recursive_mutex& EditorManagerLock();

// Creates the instance with make() when there is none and no user; counts one more user; true when
// an instance exists.
template <class T, class Make>
bool CountedInitialize(T*& instance, int& count, Make make) {
    std::lock_guard<std::recursive_mutex> guard(EditorManagerLock());
    if (count == 0 && instance == nullptr) instance = make();
    ++count;
    return instance != nullptr;
}

// Counts one user less (nothing at 0 or below); the last one hands the instance to destroy().
template <class T, class Destroy>
void CountedUninitialize(T*& instance, int& count, Destroy destroy) {
    std::lock_guard<std::recursive_mutex> guard(EditorManagerLock());
    if (count <= 0) return;
    if (--count == 0) {
        destroy(instance);
        instance = nullptr;
    }
}

template <class T>
T* CountedInstance(T* const& instance) {
    std::lock_guard<std::recursive_mutex> guard(EditorManagerLock());
    return instance;
}
