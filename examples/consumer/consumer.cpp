// A host built against an installed copy of the library: translates one text from the language
// directory it is given and prints the version of the library it loaded.
#include <cstdio>
#include <cstring>

#include <quorvel/multilanguage.h>
#include <quorvel/version.h>

static_assert(__cplusplus >= 201703L, "the library's headers are C++17");

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: consumer LANGUAGE_DIR\n");
        return 2;
    }
    Set_MultiLanguage_Para(argv[1], LANGUAGE_TYPE_OTHER, nullptr, nullptr);
    char text[256];
    std::printf("%s\n%s\n", GetMultiLanguageText("Open file", text, sizeof text, "ProgramOutStr"),
                qml_version());
    if (std::strcmp(qml_version(), QUORVEL_ML_VERSION) != 0) {
        std::fprintf(stderr, "compiled against %s, loaded %s\n", QUORVEL_ML_VERSION, qml_version());
        return 1;
    }
    return 0;
}
