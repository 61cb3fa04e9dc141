// A small host: sets the library up on a language directory the way an application does at
// start-up, then prints the translations of a few of its English texts.
#include <cstdio>
#include <cstdlib>

#include "quorvel/multilanguage.h"

namespace {

void PrintLookup(const char* key) {
    char text[256];
    std::printf("  %-16s -> %s\n", key, GetMultiLanguageText(key, text, sizeof text, "ProgramOutStr"));
}

}  // namespace

int main(int argc, char** argv) {
    const char* dir = argc > 1 ? argv[1] : "examples/lang";
    const int requested = argc > 2 ? std::atoi(argv[2]) : 3;

    const int chosen = Set_MultiLanguage_Para(dir, requested, nullptr, nullptr);
    char name[64];
    std::printf("language %d (%s), files in %s\n", chosen, GetLanguageTypeEngName(name, sizeof name),
                GetCurLngFileDir());
    for (const char* key : {"File", "Open", "Exit", "Incoming call", "Open file", "Hang up(#2)", "Transfer"})
        PrintLookup(key);
    return 0;
}
