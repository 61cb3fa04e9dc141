// A host loads the library, converts, and unloads it: the converter object must go with it.
// This program is not linked with the library; it sees every allocation and deletion the
// library makes through the global operators below.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<void*> g_watched{nullptr};
std::atomic<bool> g_watchedDeleted{false};

void NoteDeletion(void* pointer) {
    if (pointer != nullptr && pointer == g_watched.load()) g_watchedDeleted = true;
}

}  // namespace

void* operator new(std::size_t size) {
    if (void* pointer = std::malloc(size ? size : 1)) return pointer;
    throw std::bad_alloc();
}
void operator delete(void* pointer) noexcept {
    NoteDeletion(pointer);
    std::free(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    NoteDeletion(pointer);
    std::free(pointer);
}

namespace {

// The exported functions, by their C++ names.
using GetInstanceFn = void* (*)();
using SetParaFn = void (*)(int*, int*);
constexpr const char* kGetInstance = "_ZN10CGBAndBig511GetInstanceEv";
constexpr const char* kSetPara = "_Z17SetGBAndBig5_ParaP19_enum_language_typePi";

TEST(LibraryUnload, DeletesTheConverterObject) {
    void* library = dlopen(QML_SHARED_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    auto getInstance = reinterpret_cast<GetInstanceFn>(dlsym(library, kGetInstance));
    auto setPara = reinterpret_cast<SetParaFn>(dlsym(library, kSetPara));
    ASSERT_NE(getInstance, nullptr);
    ASSERT_NE(setPara, nullptr);

    int system = 1;  // GB
    int on = 1;
    setPara(&system, &on);
    void* converter = getInstance();
    ASSERT_NE(converter, nullptr);
    EXPECT_EQ(getInstance(), converter) << "one object per process";
    g_watched = converter;
    setPara(nullptr, nullptr);

    ASSERT_EQ(dlclose(library), 0) << dlerror();
    EXPECT_EQ(dlopen(QML_SHARED_LIBRARY, RTLD_NOW | RTLD_NOLOAD), nullptr) << "the library stayed loaded";
    EXPECT_TRUE(g_watchedDeleted) << "the converter object outlived the library";
}

TEST(LibraryUnload, LoadsAgainWithAFreshConverter) {
    for (int round = 0; round < 3; ++round) {
        void* library = dlopen(QML_SHARED_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << dlerror();
        auto getInstance = reinterpret_cast<GetInstanceFn>(dlsym(library, kGetInstance));
        ASSERT_NE(getInstance, nullptr);
        g_watchedDeleted = false;
        g_watched = getInstance();
        ASSERT_NE(g_watched.load(), nullptr);
        ASSERT_EQ(dlclose(library), 0) << dlerror();
        EXPECT_TRUE(g_watchedDeleted) << "round " << round;
    }
}

}  // namespace
