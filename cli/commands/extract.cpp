// extract: the keys a host's sources make the library look up.
#include <cstdio>

#include "command.h"
#include "translator/key_extractor.h"
#include "translator/language_set.h"
#include "translator/output.h"

namespace cli {

namespace {

int RunExtract(const Arguments& args) {
    if (args.positional.empty()) throw UsageError("extract needs at least one SOURCE file or directory");
    const Extraction extraction = ExtractKeys(args.positional);
    for (const std::string& warning : extraction.warnings)
        std::fprintf(stderr, "%s: warning: %s\n", "quorvel-ml extract", warning.c_str());
    const std::string text =
        args.Has("po") ? FormatKeyTemplate(extraction.keys) : FormatKeyList(extraction.keys);
    WriteOutput(args.Get("output", "-"), text);
    return 0;
}

}  // namespace

Command ExtractCommand() {
    return {"extract",
            "list the keys that a host's sources make the library look up",
            "Reads C and C++ sources and Windows resource scripts (directories are walked for\n"
            "*.c *.cpp *.h *.hpp *.rc and the like) and lists every key that the library will look\n"
            "up for their English texts: the literal texts given to GetMultiLngText_ByAutoPart,\n"
            "GetMultiLngTextForUI, GetMLFormatString, GetMultiLanguageText (with its section),\n"
            "StrcmpML, LogML, MsgBoxML and the Out... diagnostics, and the dialog, menu and\n"
            "string-table texts of resource scripts (as captions). Texts are cut into keys by the\n"
            "library itself; conversions such as %s and $literals$ give no key, and a key that\n"
            "depends on a run-time value is left out with a warning. Only literals written at the\n"
            "call are seen, not texts passed through variables or macros.\n\n"
            "Output, one line per key and place: FILE:LINE<TAB>SECTION<TAB>KEY; with --po a\n"
            "gettext template (section as msgctxt, places as #: references).\n\n"
            "Options:\n"
            "  --po                   write a PO template instead of the list\n"
            "  --output FILE          write to FILE (default: standard output)\n",
            "extract [--po] [--output FILE] SOURCE...",
            {{"po", false}, {"output", true}},
            RunExtract};
}

}  // namespace cli
