// A host that loads the library with dlopen: calls made while the process exits, and loading
// and unloading it again and again. Not linked with the library: every call goes through the
// symbols the shared object exports.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));
extern "C" int __lsan_do_recoverable_leak_check() __attribute__((weak));

namespace {

struct CWnd;
constexpr int kIdOk = 1;

// The exports a host uses here, by their C++ names.
struct Library {
    void* handle = nullptr;
    void (*setApplicationName)(const char*) = nullptr;
    int (*setUp)(const char*, int, void*, void*) = nullptr;
    char* (*lookup)(const char*, char*, int, const char*) = nullptr;
    int (*msgBox)(CWnd*, const char*, unsigned, const char*, ...) = nullptr;
    int (*closeMsgBox)(int) = nullptr;
    int (*installerLanguage)(const char*, int*) = nullptr;

    template <typename F>
    void Resolve(F& function, const char* name) {
        function = reinterpret_cast<F>(dlsym(handle, name));
        if (!function) std::fprintf(stderr, "missing export %s\n", name);
    }
    bool Open() {
        handle = dlopen(QML_SHARED_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        if (!handle) return false;
        Resolve(setApplicationName, "_ZN7quorvel18SetApplicationNameEPKc");
        Resolve(setUp, "_Z22Set_MultiLanguage_ParaPKciPFvjPczEPFP6HWND__PN7quorvel4CWndEE");
        Resolve(lookup, "_Z20GetMultiLanguageTextPKcPciS0_");
        Resolve(msgBox, "_Z8MsgBoxMLPN7quorvel4CWndEPKcjS3_z");
        Resolve(closeMsgBox, "_Z13CloseMsgBoxMLi");
        Resolve(installerLanguage, "_Z19GetNISILanguageTypePKcPi");
        return setApplicationName && setUp && lookup && msgBox && closeMsgBox && installerLanguage;
    }
};

Library g_library;

// One round of exit-time use: a box (the default presenter writes it to standard error and
// answers OK), a close with no box open, and the installer's language under the host's name.
void UseAtExit(const char* where) {
    int found = 0;
    int language = g_library.installerLanguage(nullptr, &found);
    int shown = g_library.msgBox(nullptr, "Warning", 0, "%s", where);
    int closed = g_library.closeMsgBox(kIdOk);
    std::printf("%s: box %d close %d language %d found %d\n", where, shown, closed, language, found);
    std::fflush(stdout);
}

void ExitHandler() {
    UseAtExit("exit handler");
}

// The child's part: loads the library after registering an exit handler, so that the handler
// runs after the library's own destructors, uses it, and exits while a thread may still call.
[[noreturn]] void RunChild(bool threadRunning) {
    mallopt(M_PERTURB, 0xA5);  // freed memory reads as garbage, never as the old text
    std::atexit(ExitHandler);
    if (!g_library.Open()) _exit(3);
    g_library.setApplicationName("ExitHost");
    UseAtExit("main");
    if (threadRunning) {
        std::thread([] {
            for (;;) {
                int found = 0;
                g_library.installerLanguage(nullptr, &found);
                g_library.closeMsgBox(kIdOk);
                g_library.msgBox(nullptr, "Busy", 0, "still running");
            }
        }).detach();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::exit(0);
}

struct ChildResult {
    int status = -1;
    std::string out, err;
};

// The end of a child's standard error, where a sanitizer's report would be.
std::string Tail(const std::string& text) {
    return text.size() > 3000 ? text.substr(text.size() - 3000) : text;
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(n));
    close(fd);
    return text;
}

ChildResult RunInChild(bool threadRunning) {
    int out[2], err[2];
    ChildResult result;
    if (pipe(out) != 0 || pipe(err) != 0) return result;
    std::fflush(nullptr);  // the child must not write what the parent had buffered
    pid_t child = fork();
    if (child == 0) {
        dup2(out[1], 1);
        dup2(err[1], 2);
        close(out[0]);
        close(err[0]);
        alarm(60);  // never outlives the test
        RunChild(threadRunning);
    }
    close(out[1]);
    close(err[1]);
    // Standard error gets every box of the busy thread: read it beside standard output.
    std::thread errors([&] { result.err = ReadAll(err[0]); });
    result.out = ReadAll(out[0]);
    errors.join();
    waitpid(child, &result.status, 0);
    return result;
}

TEST(LibraryHost, CallsAfterTheLibrarysDestructorsStillWork) {
    char dir[] = "/tmp/qml-exit-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string registry = std::string(dir) + "/registry.ini";
    std::ofstream(registry) << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ExitHost]\nInstallerLanguate=2052\n";
    setenv("QUORVEL_REGISTRY", registry.c_str(), 1);

    for (bool threadRunning : {false, true}) {
        ChildResult child = RunInChild(threadRunning);
        SCOPED_TRACE(threadRunning ? "a thread still calls at exit" : "exit handler only");
        EXPECT_TRUE(WIFEXITED(child.status) && WEXITSTATUS(child.status) == 0)
            << "status " << child.status << "\n"
            << Tail(child.err);
        // The host's name and the registry are still there when the exit handler runs. The
        // busy thread's box may be up then, and the close ends it.
        if (threadRunning)
            for (size_t at; (at = child.out.find("close 1")) != std::string::npos;) child.out[at + 6] = '0';
        EXPECT_EQ(child.out,
                  "main: box 1 close 0 language 1 found 1\n"
                  "exit handler: box 1 close 0 language 1 found 1\n")
            << Tail(child.err);
        EXPECT_NE(child.err.find("[[ExitHost] - Warning]\nexit handler\n"), std::string::npos)
            << Tail(child.err);
    }
    unsetenv("QUORVEL_REGISTRY");
    std::remove(registry.c_str());
    rmdir(dir);
}

size_t AllocatedBytes() {
    if (__sanitizer_get_current_allocated_bytes) return __sanitizer_get_current_allocated_bytes();
    return mallinfo2().uordblks;
}

// One load: a set-up, a lookup and the exports that keep storage for the process, on a thread
// that then ends; then the library goes.
void LoadUseUnload() {
    Library library;
    ASSERT_TRUE(library.Open()) << dlerror();
    std::thread([&library] {
        library.setUp(QML_SOURCE_DIR "/examples/lang/", 3, nullptr, nullptr);
        char text[256] = {};
        library.lookup("Open", text, sizeof text, "ProgramOutStr");
        EXPECT_STREQ(text, "Ouvrir");
        library.setApplicationName("Cycling host");
        int found = 0;
        library.installerLanguage(nullptr, &found);
        library.closeMsgBox(kIdOk);
    }).join();
    ASSERT_EQ(dlclose(library.handle), 0) << dlerror();
    ASSERT_EQ(dlopen(QML_SHARED_LIBRARY, RTLD_NOW | RTLD_NOLOAD), nullptr) << "the library stayed loaded";
}

TEST(LibraryHost, LoadingAndUnloadingLeavesNothingBehind) {
    for (int i = 0; i < 20; ++i) LoadUseUnload();  // the loader's and C runtime's own first use
    const size_t before = AllocatedBytes();
    for (int i = 0; i < 1000 && !HasFatalFailure(); ++i) LoadUseUnload();
    const size_t after = AllocatedBytes();
    if (__lsan_do_recoverable_leak_check) {
        // AddressSanitizer adds an exit hook of its own to every registration of a static
        // destructor, which no dlclose takes back: there the leak checker judges.
        EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "memory of an unloaded library leaked";
        return;
    }
    EXPECT_LT(after, before + 64 * 1024) << "grew by " << (after - before) << " bytes in 1000 loads";
}

}  // namespace
