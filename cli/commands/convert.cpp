// convert and detect: Chinese text between Big5 and GB, and which of the two a text is in.
#include "command.h"
#include "quorvel/multilanguage.h"
#include "recode.h"
#include "session.h"
#include "system.h"

namespace cli {

namespace {

constexpr char kBigToGb = 1;
constexpr char kGbToBig = 2;

_enum_language_type ParseSystem(const Arguments& args) {
    if (!args.Has("system")) return ConvertLangLanguage2LanguageType(UserLocaleId() & 0xFFFF);
    const std::string system = args.Get("system");
    if (system == "big5") return LANGUAGE_TYPE_BIG5;
    if (system == "gb") return LANGUAGE_TYPE_GB;
    if (system == "english") return LANGUAGE_TYPE_ENGLISH;
    if (system == "other") return LANGUAGE_TYPE_OTHER;
    throw UsageError("--system takes gb, big5, english or other, not '" + system + "'");
}

std::string EncodingOf(int codeType) {
    return codeType == LANGUAGE_TYPE_BIG5 ? "BIG5" : codeType == LANGUAGE_TYPE_GB ? "GBK" : "";
}

std::vector<std::string> InputFiles(const Arguments& args) {
    return args.positional.empty() ? std::vector<std::string>{"-"} : args.positional;
}

// One tab-free piece of a line through the converter. The converter keeps leading blanks.
std::string ConvertPiece(const std::string& piece, char direction) {
    if (piece.empty()) return piece;
    CGBAndBig5* converter = CGBAndBig5::GetInstance();
    if (!converter) throw RunError("out of memory");
    converter->Translate(piece.c_str(), direction);
    return converter->GetText().GetString();
}

// Line by line, so that indentation, tabs and line ends stay as they are: the converter
// itself would trim the text, widen tabs and end every line with CR LF.
std::string ConvertText(const std::string& text, char direction) {
    std::string out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const bool hasLineFeed = end != std::string::npos;
        if (!hasLineFeed) end = text.size();
        std::string line = text.substr(start, end - start);
        const bool hasCr = !line.empty() && line.back() == '\r';
        if (hasCr) line.pop_back();
        size_t pieceStart = 0;
        for (;;) {
            size_t tab = line.find('\t', pieceStart);
            out += ConvertPiece(
                line.substr(pieceStart, tab == std::string::npos ? std::string::npos : tab - pieceStart),
                direction);
            if (tab == std::string::npos) break;
            out += '\t';
            pieceStart = tab + 1;
        }
        if (hasCr) out += '\r';
        if (hasLineFeed) out += '\n';
        start = end + 1;
    }
    return out;
}

int RunConvert(const Arguments& args) {
    const std::string to = args.Get("to");
    if (to != "gb" && to != "big5" && to != "auto") throw UsageError("--to takes gb, big5 or auto");
    _enum_language_type system = ParseSystem(args);
    int conversionOn = 1;
    SetGBAndBig5_Para(&system, &conversionOn);
    const bool recode = RecodeOutput(args);

    for (const std::string& path : InputFiles(args)) {
        std::string text = ReadAll(path);
        char direction = to == "gb" ? kBigToGb : to == "big5" ? kGbToBig : 0;
        if (!args.inputEncoding.empty()) {
            if (direction == 0) throw UsageError("--input-encoding needs --to gb or --to big5");
            text = Recode(text, args.inputEncoding == "utf8" ? "UTF-8" : args.inputEncoding,
                          direction == kBigToGb ? "BIG5" : "GBK");
        }
        std::string outputEncoding = direction == kBigToGb ? "GBK" : "BIG5";
        if (direction == 0) {
            // The automatic direction converts what is foreign to the system into the system's code.
            const int found = CalcStringCodeType(LCMapString_Auto(text.c_str()), nullptr);
            if (found != system && (found == LANGUAGE_TYPE_BIG5 || found == LANGUAGE_TYPE_GB) &&
                (system == LANGUAGE_TYPE_BIG5 || system == LANGUAGE_TYPE_GB))
                direction = found == LANGUAGE_TYPE_BIG5 ? kBigToGb : kGbToBig;
            outputEncoding = EncodingOf(direction ? (direction == kBigToGb ? 1 : 0) : found);
        }
        std::string out = direction ? ConvertText(text, direction) : text;
        // Whole lines go out as they came; re-encoding for display goes line by line.
        if (!out.empty() && out.back() == '\n') out.pop_back();
        if (!out.empty() || !text.empty()) PrintText(out, outputEncoding, recode);
    }
    return 0;
}

int RunDetect(const Arguments& args) {
    _enum_language_type system = ParseSystem(args);
    int conversionOn = 1;
    SetGBAndBig5_Para(&system, &conversionOn);
    static const char* const kNames[] = {"big5", "gb", "english", "other"};
    for (const std::string& path : InputFiles(args)) {
        const std::string text = ReadAll(path);
        int pairs = 0;
        const int type = CalcStringCodeType(text.c_str(), &pairs);
        std::printf("%s: %s (%d double-byte characters counted)\n", path == "-" ? "(stdin)" : path.c_str(),
                    kNames[type & 3], pairs);
    }
    return 0;
}

}  // namespace

Command ConvertCommand() {
    return {"convert",
            "convert Chinese text between Big5 and GB (stdin to stdout)",
            "Converts the FILEs (or standard input) and writes them to standard output.\n"
            "  --to gb|big5|auto      the target; auto converts text that is foreign to the\n"
            "                         system's code type into it\n"
            "  --system gb|big5|english|other\n"
            "                         the system's code type (default: from the user's locale)\n"
            "Lines, tabs and indentation are kept.\n",
            "convert --to gb|big5|auto [--system S] [OPTIONS] [FILE...]",
            {{"to", true}, {"system", true}},
            RunConvert};
}

Command DetectCommand() {
    return {"detect",
            "tell whether texts are Big5 or GB",
            "Prints for each FILE (or standard input) the code type the library detects:\n"
            "big5, gb, english (no double-byte character) or other.\n"
            "  --system gb|big5|english|other\n"
            "                         the system's code type, which settles close results\n"
            "                         (default: from the user's locale)\n",
            "detect [--system S] [OPTIONS] [FILE...]",
            {{"system", true}},
            RunDetect};
}

}  // namespace cli
