// A host's calls of the library's printf-like functions. Built with -DMISUSE=n, call n passes an
// int for a %s (the va_list form: a conversion that does not exist); -DMISUSE=0 makes every
// call rightly.
#include <cstdarg>

#include "quorvel/multilanguage.h"

namespace {

// The argument of call n: a text, or an int for the call that the build makes wrong.
template <int N>
auto Arg() {
    if constexpr (N == MISUSE)
        return 42;
    else
        return "text";
}

}  // namespace

void Calls(char* buffer, int size, va_list args) {
    GetMultiLngText_ByAutoPart(buffer, size, "Open %s", Arg<1>());
    GetMLFormatString(buffer, size, "Open %%s", "%s", Arg<2>());
    MsgBoxML(nullptr, "Caption", MB_OK, "Open %s", Arg<3>());
    Log(1, "Open %s", Arg<4>());
    LogML(1, "Open %s", Arg<5>());
    OutLastError("Open %s", Arg<6>());
#if MISUSE == 7
    LogMLV(1, "Open %y", args);
#else
    LogMLV(1, "Open %s", args);
#endif
}
