// format: a template with one doubled conversion, filled with a translated argument.
#include <cctype>
#include <regex>

#include "command.h"
#include "quorvel/multilanguage.h"
#include "session.h"

namespace cli {

namespace {

// An integer conversion written doubled, as templates carry it: %%d, %%5u, %%lu, %%x ...
bool HasIntegerConversion(const std::string& templateText) {
    static const std::regex integer("%%[-+ #0]*[0-9]*(\\.[0-9]+)?(hh|h|ll|l)?[diuxX]");
    return std::regex_search(templateText, integer);
}

bool IsUnsignedNumber(const std::string& text) {
    if (text.empty() || text.size() > 19) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

int RunFormat(const Arguments& args) {
    if (args.positional.size() != 2) throw UsageError("format takes a TEMPLATE and an ARG");
    Session session(args, false);
    const std::string templateText = session.Input(args.positional[0]);
    const std::string argument = session.Input(args.positional[1]);

    char result[1024];
    if (HasIntegerConversion(templateText) && IsUnsignedNumber(argument))
        GetMLFormatString(result, sizeof result, templateText.c_str(), std::stoul(argument));
    else
        GetMLFormatString(result, sizeof result, templateText.c_str(), "%s", argument.c_str());
    session.Print(result);
    return 0;
}

}  // namespace

Command FormatCommand() {
    return {"format",
            "fill a translated template with a translated argument",
            "Translates TEMPLATE, which carries one doubled conversion (%%s for a text,\n"
            "%%d or %%lu for a number), and fills it with ARG (translated when it is a text).\n"
            "Example: quorvel-ml format '$%%s$ failed' disk\n",
            "format [OPTIONS] TEMPLATE ARG",
            {},
            RunFormat};
}

}  // namespace cli
