// The call window: sentences cut into words and {phrases}, captions with accelerators.
#include <cstdio>

#include "console.h"
#include "quorvel/multilanguage.h"

void ShowIncomingCall(const char* caller, int line) {
    char text[256];
    // The caller's name is data: between dollar signs it is never looked up.
    GetMultiLngText_ByAutoPart(text, sizeof text, "{Incoming call} from $%s$ on line %d", caller, line);
    std::puts(text);
    // Adjacent literals are one text; the (#2) picks the noun of a word that is also a verb.
    GetMultiLngText_ByAutoPart(text, sizeof text,
                               "Call(#2) "  // the noun
                               "on Hold(#2)");
    std::puts(text);
    std::puts(GetMultiLngTextForUI("&Hang up\tCtrl+H", text, sizeof text));
    std::puts(GetMultiLngTextForUI(_T("T&ransfer..."), text, sizeof text));
    /* GetMultiLngText_ByAutoPart(text, sizeof text, "Commented out"); */
    // LogML(1, "Commented out too");
    const char* sample = "LogML(1, \"Quoted call\")";  // a text that only looks like a call
    std::printf("%s %c\n", sample, '"');
    if (StrcmpML("Reject", "Ignore", 0) == 0) std::puts("same");
}
