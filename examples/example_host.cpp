// A small host: sets the library up on a language directory and prints translations.
#include <cstdio>
#include <cstdlib>

#include "quorvel/multilanguage.h"

int main(int argc, char** argv) {
    const char* dir = argc > 1 ? argv[1] : "examples/lang";
    int type = argc > 2 ? std::atoi(argv[2]) : 1;
    std::printf("language type %d\n", Set_MultiLanguage_Para(dir, type, nullptr, nullptr));
    return 0;
}
