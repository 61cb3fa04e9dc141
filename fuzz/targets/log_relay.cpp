// Log, LogML and the diagnostics: arbitrary lines, formats made of "%s" conversions and
// arbitrary text, and arbitrary language files. The host's callback gets the level word
// unchanged, the format "%s" (or "%s %s") and the line cut to 1023 bytes, translated by the
// phrase translator's rules for LogML.
//
// Input: 4 parameter bytes (flags, level x3), then the fields format, four arguments, and the
// rest as the language file.
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "quorvel/multilanguage.h"
#include "support/check.h"
#include "support/fuzz_input.h"
#include "support/fuzz_language.h"

namespace {

using namespace qml_fuzz;

struct Received {
    int calls = 0;
    unsigned level = 0;
    std::string format;
    std::vector<std::string> texts;
};
Received g_received;

// Reads as many texts as the format has "%s" conversions, as a host would.
void Callback(unsigned int level, char* format, ...) {
    ++g_received.calls;
    g_received.level = level;
    g_received.format = format ? format : "<null>";
    g_received.texts.clear();
    va_list args;
    va_start(args, format);
    for (const char* p = format; p && *p; ++p)
        if (p[0] == '%' && p[1] == 's') g_received.texts.emplace_back(va_arg(args, const char*));
    va_end(args);
}

// One line was received with this level, format and texts.
void CheckReceived(unsigned level, const char* format, const std::vector<std::string>& texts,
                   const char* what) {
    if (g_received.calls != 1) Fail(what, "callback calls: " + std::to_string(g_received.calls));
    if (g_received.level != level) Fail(what, "level " + std::to_string(g_received.level));
    CheckEqual(g_received.format, format, what);
    if (g_received.texts.size() != texts.size()) Fail(what, "wrong number of texts");
    for (size_t i = 0; i < texts.size(); ++i) CheckEqual(g_received.texts[i], texts[i], what);
    g_received = Received();
}

// Keeps "%s" and "%%" and doubles every other "%", so the format asks for texts only.
std::string TextOnlyFormat(const std::string& format, int& conversions) {
    std::string out;
    conversions = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == 's' && conversions < 4) {
            out += "%s";
            ++conversions;
            ++i;
        } else if (i + 1 < format.size() && format[i + 1] == '%') {
            out += "%%";
            ++i;
        } else {
            out += "%%";
        }
    }
    return out;
}

std::string Formatted(const std::string& format, const std::string (&args)[4]) {
    char line[1024] = {};
    std::snprintf(line, sizeof line, format.c_str(), args[0].c_str(), args[1].c_str(), args[2].c_str(),
                  args[3].c_str());
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size, 4);
    const std::uint8_t flags = input.Parameter(0);
    const unsigned level = static_cast<unsigned>(input.Parameter(1)) << 16 | input.Parameter16(2);
    int conversions = 0;
    const std::string format = TextOnlyFormat(input.Field(), conversions);
    std::string args[4];
    for (std::string& arg : args) arg = input.Field();
    const std::string file = input.Rest();

    FuzzLanguage& language = FuzzLanguage::Get(Callback);
    language.WriteLanguageFile(file);
    language.SetParameters((flags & 1) != 0, (flags & 2) != 0, true);
    const ReferenceLanguage& model = language.Model();
    auto translated = [&](const std::string& line) { return Cut(ReferencePhrase(model, line), 1023); };

    // A finished text, as the library's own callers hand it over.
    LogML(level, "%s", args[0].c_str());
    CheckReceived(level, "%s", {translated(args[0])}, "LogML of a finished text");
    Log(level, "%s", args[0].c_str());
    CheckReceived(level, "%s", {Cut(args[0], 1023)}, "Log of a finished text");

    // A format of the host's, with its texts.
    const std::string line = Formatted(format, args);
    LogML(level, format.c_str(), args[0].c_str(), args[1].c_str(), args[2].c_str(), args[3].c_str());
    CheckReceived(level, "%s", {translated(line)}, "LogML of a format");
    Log(level, format.c_str(), args[0].c_str(), args[1].c_str(), args[2].c_str(), args[3].c_str());
    CheckReceived(level, "%s", {line}, "Log of a format");

    // One of the diagnostics, with the name from the input.
    const std::string& name = args[1];
    switch ((flags >> 2) & 3) {
        case 0: {
            const int result = static_cast<int>(flags >> 4) - 8;
            Check(OutInitObjectResult(name.c_str(), result) == result,
                  "OutInitObjectResult returns its result");
            const std::string line =
                "Initialize [ " + name + " ] " + (result != 0 ? "succeed !" : "failed !!!");
            CheckReceived(result != 0 ? 1 : 2, "%s", {translated(Cut(line, 1023))}, "OutInitObjectResult");
            break;
        }
        case 1:
            Check(OutCreateKernelObjectFailed(name.c_str()) == 0, "OutCreateKernelObjectFailed returns 0");
            CheckReceived(2, "%s", {translated(Cut("Create [ " + name + " ] failed", 1023))},
                          "OutCreateKernelObjectFailed");
            break;
        case 2: {
            Check(OutNeedEndSystem(name.c_str()) == 0, "OutNeedEndSystem returns 0");
            const std::string prefix = name.empty() ? std::string() : "Beacause " + name + ", ";
            CheckReceived(0x10203, "%s",
                          {translated(Cut(prefix + "[Quorvel(Enterprise)] would terminate", 1023))},
                          "OutNeedEndSystem");
            break;
        }
        default:
            Check(OutLastError("%s", name.c_str()) == 0, "OutLastError returns 0");
            if (g_received.calls != 1 || g_received.texts.size() != 2)
                Fail("OutLastError sends one line of two texts");
            CheckEqual(g_received.format, "%s %s", "OutLastError format");
            CheckEqual(g_received.texts[0],
                       translated(Cut("Error occurred  :  " + Cut(name, 1021) + ",  reason : ", 1023)),
                       "OutLastError sentence");
            g_received = Received();
    }
    return 0;
}
