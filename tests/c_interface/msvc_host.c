/* A host as an MSVC-built program sees the library: compiled for the msvc target, linked against
   quorvelml.lib alone, with no C runtime and no import library other than ours (no Windows SDK or
   MSVC runtime is needed to build it). It sets the sample languages up, translates a key, a
   caption and a sentence through a variadic UTF-8 call, and asks the library's version.
   The process's exit code is 0 when every check holds, otherwise the bits of the failed checks.
   QML_LANG_DIR: the sample language directory, as the program will find it at run time. */
#include <quorvel/multilanguage_c.h>
#include <quorvel/version.h>

#ifndef QML_LANG_DIR
#error "QML_LANG_DIR must name the sample language directory"
#endif

/* No C runtime: its string functions are written out. */
static int same_text(const char* a, const char* b) {
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

static size_t text_length(const char* text) {
    size_t n = 0;
    while (text[n]) ++n;
    return n;
}

int qml_msvc_host_entry(void) {
    int failed = 0;
    char buffer[256];
    size_t length;

    if (qml_Set_MultiLanguage_Para(QML_LANG_DIR, QML_LANGUAGE_OTHER, 0, 0) != QML_LANGUAGE_OTHER) failed |= 1;
    if (qml_GetLanguageCodePage() != 1252) failed |= 2;

    qml_GetMultiLanguageText("Open", buffer, (int)sizeof buffer, "ProgramOutStr");
    if (!same_text(buffer, "Ouvrir")) failed |= 4;

    qml_GetMultiLngTextForUI("&Open...\tCtrl+O", buffer, (int)sizeof buffer);
    if (!same_text(buffer, "&Ouvrir...\tCtrl+O")) failed |= 8;

    /* Variadic, with a sized UTF-8 result: the argument list crosses compilers as well. */
    length = qml_GetMultiLngText_ByAutoPart_utf8(buffer, sizeof buffer, "{%s} %s on line %d", "Incoming call",
                                                 "failed", 5);
    if (!same_text(buffer, "Appel entrant a \xC3\xA9\x63hou\xC3\xA9 sur ligne 5") ||
        length != text_length(buffer))
        failed |= 16;

    if (!same_text(qml_version(), QUORVEL_ML_VERSION)) failed |= 32;
    return failed;
}
