/* Compiled by the test suite twice: as it stands it must compile; with QML_MISUSE a %s is
   given an int, which -Wformat -Werror must refuse through the header's format attributes. */
#include <quorvel/multilanguage_c.h>

void host_logs(int code);
void host_logs(int code) {
#if defined(QML_MISUSE)
    qml_LogML(1, "failed with %s", code);
#else
    qml_LogML(1, "failed with %d", code);
#endif
}
