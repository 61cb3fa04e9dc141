// keys and missing: what the phrase translator asks a language file for.
#include <set>

#include "command.h"
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

int RunKeys(const Arguments& args) {
    Session session(args, false);
    for (const std::string& text : TextsOrStdinLines(args)) {
        const std::string input = session.Input(text);
        session.Print(input);
        for (const Lookup& lookup : KeysOf(input)) {
            // Literal stretches and double-byte runs ask for the empty key; it never needs an entry.
            if (lookup.key.empty()) continue;
            session.Print(std::string(lookup.found ? "  found    " : "  missing  ") + lookup.key);
        }
    }
    return 0;
}

int RunMissing(const Arguments& args) {
    if (args.positional.empty()) throw UsageError("missing needs at least one FILE (- for standard input)");
    Session session(args, false);
    std::set<std::string> reported;
    for (const std::string& path : args.positional) {
        std::string text = session.Input(ReadAll(path));
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            std::string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            for (const Lookup& lookup : KeysOf(line))
                if (!lookup.found && !lookup.key.empty() && reported.insert(lookup.key).second)
                    session.Print(lookup.key);
            start = end + 1;
        }
    }
    return 0;
}

}  // namespace

Command KeysCommand() {
    return {"keys",
            "show the keys a text is looked up by, found or missing",
            "For each TEXT (or each line of standard input), lists the keys that the phrase\n"
            "translator looks up in [ProgramOutStr], in order, each marked found or missing.\n",
            "keys [OPTIONS] [TEXT...]",
            {},
            RunKeys};
}

Command MissingCommand() {
    return {"missing",
            "list the keys of files' lines that the language file lacks",
            "Translates every line of the FILEs (- for standard input) and lists, once each, the\n"
            "keys that the current language file has no entry for: what a translator must add.\n",
            "missing [OPTIONS] FILE...",
            {},
            RunMissing};
}

}  // namespace cli
