// keys and missing: what the phrase translator asks a language file for.
#include <cstring>
#include <set>

#include "command.h"
#include "texts.h"
#include "input.h"
#include "quorvel/lookup_observer.h"
#include "quorvel/multilanguage.h"
#include "session.h"

namespace cli {

namespace {

struct Lookup {
    std::string key;
    bool found;
};

// The keys that the translation of one text looks up, in order.
std::vector<Lookup> KeysOf(const std::string& text) {
    std::vector<Lookup> lookups;
    quorvel::SetLookupObserver(
        [](const char* key, const char*, bool found, void* context) {
            static_cast<std::vector<Lookup>*>(context)->push_back({key, found});
        },
        &lookups);
    char translation[1024];
    GetMultiLngText_ByAutoPart(translation, sizeof translation, "%s", text.c_str());
    quorvel::SetLookupObserver(nullptr, nullptr);
    return lookups;
}

// The length of the printf conversion at text[at] ('%' there), 0 when none starts there.
size_t ConversionLength(const std::string& text, size_t at) {
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    size_t i = at + 1;
    while (i < text.size() && text[i] != '\0' && std::strchr("-+#0", text[i])) ++i;
    if (i < text.size() && text[i] == '*') ++i;
    while (i < text.size() && isDigit(text[i])) ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (i < text.size() && text[i] == '*') ++i;
        while (i < text.size() && isDigit(text[i])) ++i;
    }
    for (const char* length : {"hh", "ll", "I64", "I32", "h", "l", "L", "z", "j", "t", "I"})
        if (text.compare(i, std::strlen(length), length) == 0) {
            i += std::strlen(length);
            break;
        }
    if (i < text.size() && text[i] != '\0' && std::strchr("diouxXeEfFgGaAcsSpn", text[i])) return i + 1 - at;
    return 0;
}

// A line as a host's call hands it over once formatted: a conversion (%s, %5d, %lu ...)
// stands for an argument the tool does not know, so it becomes a blank and asks for no key;
// %% is a percent sign.
std::string WithoutConversions(const std::string& line) {
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '%') {
            out += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '%') {
            out += '%';
            ++i;
        } else if (size_t n = ConversionLength(line, i)) {
            out += ' ';
            i += n - 1;
        } else {
            out += '%';
        }
    }
    return out;
}

int RunKeys(const Arguments& args) {
    Session session(args, false);
    ForEachText(args, [&](const std::string& text) {
        const std::string input = session.Input(text);
        session.Print(input);
        for (const Lookup& lookup : KeysOf(input)) {
            // Literal stretches and double-byte runs ask for the empty key; it never needs an entry.
            if (lookup.key.empty()) continue;
            session.Print(std::string(lookup.found ? "  found    " : "  missing  ") + lookup.key);
        }
    });
    return 0;
}

int RunMissing(const Arguments& args) {
    if (args.positional.empty()) throw UsageError("missing needs at least one FILE (- for standard input)");
    Session session(args, false);
    std::set<std::string> reported;
    std::string line;
    for (const std::string& path : args.positional) {
        Input input(path);
        while (input.ReadLine(line)) {
            for (const Lookup& lookup : KeysOf(WithoutConversions(session.Input(line))))
                if (!lookup.found && !lookup.key.empty() && reported.insert(lookup.key).second)
                    session.Print(lookup.key);
        }
    }
    return 0;
}

}  // namespace

Command KeysCommand() {
    return {"keys",
            "show the keys a text is looked up by, found or missing",
            "For each TEXT, lists the keys that the phrase translator looks up in\n"
            "[ProgramOutStr], in order, each marked found or missing. A TEXT '-', or none at\n"
            "all, reads the lines of standard input.\n",
            "keys [OPTIONS] [TEXT...]",
            {},
            RunKeys};
}

Command MissingCommand() {
    return {"missing",
            "list the keys of files' lines that the language file lacks",
            "Translates every line of the FILEs (- for standard input) and lists, once each, the\n"
            "keys that the current language file has no entry for: what a translator must add.\n"
            "Lines are taken as format templates: a conversion (%s, %d, %lu ...) stands for an\n"
            "argument and asks for no key, %% is a percent sign.\n",
            "missing [OPTIONS] FILE...",
            {},
            RunMissing};
}

}  // namespace cli
