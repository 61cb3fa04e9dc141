// A host that loads and frees the DLL again and again. It loads a copy under another name:
// this program's own import keeps quorvelml.dll itself loaded.
#include <malloc.h>

#include <string>
#include <thread>

#include "win32_fixture.h"

namespace {

// The bytes in use on the C runtime's heap, which the DLL allocates from too.
size_t HeapInUse() {
    _HEAPINFO entry = {};
    size_t used = 0;
    while (_heapwalk(&entry) == _HEAPOK)
        if (entry._useflag == _USEDENTRY) used += entry._size;
    return used;
}

template <typename F>
F Export(HMODULE dll, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(dll, name)));
}

// One load: a set-up, a lookup and the exports that keep storage for the process, on a thread
// that then ends; then FreeLibrary.
void LoadUseFree(const std::string& copy, const std::string& languageDir) {
    HMODULE dll = ::LoadLibraryA(copy.c_str());
    ASSERT_NE(dll, nullptr);
    auto setUp = Export<int (*)(const char*, int, void*, void*)>(
        dll, "_Z22Set_MultiLanguage_ParaPKciPFvjPczEPFP6HWND__PN7quorvel4CWndEE");
    auto lookup =
        Export<char* (*)(const char*, char*, int, const char*)>(dll, "_Z20GetMultiLanguageTextPKcPciS0_");
    auto setName = Export<void (*)(const char*)>(dll, "_ZN7quorvel18SetApplicationNameEPKc");
    auto installerLanguage = Export<int (*)(const char*, int*)>(dll, "_Z19GetNISILanguageTypePKcPi");
    ASSERT_TRUE(setUp && lookup && setName && installerLanguage);
    std::thread([&] {
        setUp(languageDir.c_str(), 3, nullptr, nullptr);
        char text[256] = {};
        lookup("Open", text, sizeof text, "ProgramOutStr");
        EXPECT_STREQ(text, "Ouvrir");
        setName("Cycling host");
        int found = 0;
        installerLanguage(nullptr, &found);
    }).join();
    ASSERT_TRUE(::FreeLibrary(dll));
    ASSERT_EQ(::GetModuleHandleA(copy.c_str()), nullptr) << "the copy stayed loaded";
}

TEST(LibraryUnload, LoadingAndFreeingTheDllLeavesNothingBehind) {
    qml_test::TempDir dir;
    qml_test::WriteFile(dir.file("Language.ini"), "[LanguageType]\n2=English\n3=French\n");
    qml_test::WriteFile(dir.file("French.lng"), "[Lngpara]\nDeleteSpace=0\n[ProgramOutStr]\nOpen=Ouvrir\n");
    char original[MAX_PATH] = {};
    ASSERT_GT(::GetModuleFileNameA(::GetModuleHandleA("quorvelml.dll"), original, MAX_PATH), 0u);
    const std::string copy = dir.file("quorvelml_cycled.dll");
    ASSERT_TRUE(::CopyFileA(original, copy.c_str(), FALSE));

    for (int i = 0; i < 20; ++i) LoadUseFree(copy, dir.path());  // the loader's own first use
    const size_t before = HeapInUse();
    for (int i = 0; i < 1000 && !HasFatalFailure(); ++i) LoadUseFree(copy, dir.path());
    const size_t after = HeapInUse();
    EXPECT_LT(after, before + 64 * 1024) << "grew by " << (after - before) << " bytes in 1000 loads";
}

}  // namespace
