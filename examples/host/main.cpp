// The example console: sets the library up as an application does and shows its texts.
// With --lookups it also prints every key the library looks up ("lookup<TAB>section<TAB>key<TAB>found or
// missing"), which the translator tools' tests compare with what extract finds in this source tree.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "console.h"
#include "quorvel/lookup_observer.h"
#include "quorvel/multilanguage.h"
#include "quorvel/window_system.h"

namespace {

void PrintLogLine(unsigned int level, char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::printf("[log %u] ", level & 0xFF);
    std::vprintf(format, args);
    std::printf("\n");
    va_end(args);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: example_console LANGUAGE_DIR LANGUAGE_TYPE [--lookups]\n");
        return 2;
    }
    quorvel::SetApplicationName("Console");
    Set_MultiLanguage_Para(argv[1], std::atoi(argv[2]), PrintLogLine, nullptr);
    if (argc > 3 && std::strcmp(argv[3], "--lookups") == 0) {
        quorvel::SetLookupObserver(
            [](const char* key, const char* section, bool found, void*) {
                if (*key) std::printf("lookup\t%s\t%s\t%s\n", section, key, found ? "found" : "missing");
            },
            nullptr);
    }
    ShowIncomingCall("Alice", 2);
    ShowVoicemail(3, "Bob");
    ReportStartUp(true);
    ShowResources();
    return 0;
}
