// convert and detect: Chinese text between Big5 and GB, and which of the two a text is in.
#include <utility>

#include "base/utf8.h"
#include "command.h"
#include "input.h"
#include "output.h"
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

// How much of an input the automatic direction and detect judge: enough for any real text to
// show its code, and bounded so that a stream of any length passes in constant memory.
constexpr size_t kJudgedPrefix = size_t{1} << 20;
// A run without a line end, tab or NUL is converted in pieces of about this size.
constexpr size_t kPieceSize = size_t{64} << 10;

bool IsSeparator(char c) {
    return c == '\n' || c == '\r' || c == '\t' || c == '\0';
}

// The first up to kJudgedPrefix bytes of input.
std::string ReadPrefix(Input& input) {
    std::string prefix(kJudgedPrefix, '\0');
    size_t filled = 0;
    while (filled < prefix.size()) {
        const size_t n = input.Read(&prefix[filled], prefix.size() - filled);
        if (n == 0) break;
        filled += n;
    }
    prefix.resize(filled);
    return prefix;
}

// The text as the detector reads it: up to its first NUL, so a NUL counts as a line end.
std::string ForDetection(std::string text) {
    for (char& c : text)
        if (c == '\0') c = '\n';
    return text;
}

// One run of text without separators through the converter, which keeps leading and trailing
// blanks of such a run.
std::string ConvertRun(const std::string& run, char direction) {
    if (run.empty()) return run;
    CGBAndBig5* converter = CGBAndBig5::GetInstance();
    if (!converter) throw RunError("out of memory");
    converter->Translate(run.c_str(), direction);
    return converter->GetText().GetString();
}

// Converts a stream piece by piece and writes it out. Only the runs between line ends, tabs
// and NULs go through the converter, and the separators are copied, since the converter
// itself would trim, widen tabs, end every line with CR LF and stop at a NUL: every byte it
// does not convert comes out as it came.
class ConvertingWriter {
  public:
    ConvertingWriter(char direction, std::string inputEncoding, std::string outputEncoding, bool recode)
        : m_direction(direction),
          m_inputEncoding(std::move(inputEncoding)),
          m_outputEncoding(std::move(outputEncoding)),
          m_recode(recode) {}

    void Put(const char* data, size_t size) {
        m_pending.append(data, size);
        Drain(false);
    }
    void Finish() { Drain(true); }

  private:
    void Drain(bool all) {
        for (;;) {
            size_t cut = m_pending.size();
            if (!all) {
                cut = 0;
                for (size_t i = m_pending.size(); i > 0; --i)
                    if (IsSeparator(m_pending[i - 1])) {
                        cut = i;
                        break;
                    }
                if (cut == 0 && m_pending.size() > kPieceSize) cut = CharacterBoundary(kPieceSize);
            }
            if (cut == 0) return;
            Emit(m_pending.substr(0, cut));
            m_pending.erase(0, cut);
            if (all || m_pending.size() <= kPieceSize) return;
        }
    }

    // An offset at or before limit where no character is split, counted from the start of the
    // pending text, where a character starts.
    size_t CharacterBoundary(size_t limit) const {
        if (m_inputEncoding == "utf8" || m_inputEncoding == "UTF-8") {
            const size_t at = qml::Utf8PrefixLength(m_pending, limit);
            return at > 0 ? at : limit;
        }
        // In Big5 and GB a byte from 0x81 up leads a pair.
        size_t at = 0;
        while (at < limit) {
            const size_t step = static_cast<unsigned char>(m_pending[at]) >= 0x81 ? 2 : 1;
            if (at + step > limit) break;
            at += step;
        }
        return at > 0 ? at : limit;
    }

    void Emit(std::string text) {
        if (!m_inputEncoding.empty())
            text = Recode(text, m_inputEncoding == "utf8" ? "UTF-8" : m_inputEncoding,
                          m_direction == kBigToGb ? "BIG5" : "GBK");
        if (m_direction) {
            std::string out;
            size_t start = 0;
            while (start < text.size()) {
                size_t end = start;
                while (end < text.size() && !IsSeparator(text[end])) ++end;
                out += ConvertRun(text.substr(start, end - start), m_direction);
                while (end < text.size() && IsSeparator(text[end])) out += text[end++];
                start = end;
            }
            text.swap(out);
        }
        if (m_recode && !m_outputEncoding.empty()) text = Recode(text, m_outputEncoding, "UTF-8");
        WriteOut(text);
    }

    const char m_direction;
    const std::string m_inputEncoding;
    const std::string m_outputEncoding;
    const bool m_recode;
    std::string m_pending;
};

int RunConvert(const Arguments& args) {
    const std::string to = args.Get("to");
    if (to != "gb" && to != "big5" && to != "auto") throw UsageError("--to takes gb, big5 or auto");
    _enum_language_type system = ParseSystem(args);
    if (to == "auto" && !args.inputEncoding.empty())
        throw UsageError("--input-encoding needs --to gb or --to big5");
    int conversionOn = 1;
    SetGBAndBig5_Para(&system, &conversionOn);
    const bool recode = RecodeOutput(args);

    for (const std::string& path : InputFiles(args)) {
        Input input(path);
        char direction = to == "gb" ? kBigToGb : to == "big5" ? kGbToBig : 0;
        std::string outputEncoding = direction == kBigToGb ? "GBK" : "BIG5";
        std::string prefix;
        if (direction == 0) {
            // The automatic direction converts what is foreign to the system into the system's
            // code, judged on the start of the input.
            prefix = ReadPrefix(input);
            const int found = CalcStringCodeType(LCMapString_Auto(ForDetection(prefix).c_str()), nullptr);
            if (found != system && (found == LANGUAGE_TYPE_BIG5 || found == LANGUAGE_TYPE_GB) &&
                (system == LANGUAGE_TYPE_BIG5 || system == LANGUAGE_TYPE_GB))
                direction = found == LANGUAGE_TYPE_BIG5 ? kBigToGb : kGbToBig;
            outputEncoding = EncodingOf(direction ? (direction == kBigToGb ? 1 : 0) : found);
        }
        ConvertingWriter writer(direction, args.inputEncoding, outputEncoding, recode);
        writer.Put(prefix.data(), prefix.size());
        char chunk[65536];
        while (size_t n = input.Read(chunk, sizeof chunk)) writer.Put(chunk, n);
        writer.Finish();
    }
    return 0;
}

int RunDetect(const Arguments& args) {
    _enum_language_type system = ParseSystem(args);
    int conversionOn = 1;
    SetGBAndBig5_Para(&system, &conversionOn);
    static const char* const kNames[] = {"big5", "gb", "english", "other"};
    for (const std::string& path : InputFiles(args)) {
        Input input(path);
        const std::string text = ForDetection(ReadPrefix(input));
        int pairs = 0;
        const int type = CalcStringCodeType(text.c_str(), &pairs);
        WriteOut(input.Name() + ": " + kNames[type & 3] + " (" + std::to_string(pairs) +
                 " double-byte characters counted)\n");
    }
    return 0;
}

}  // namespace

Command ConvertCommand() {
    return {"convert",
            "convert Chinese text between Big5 and GB (stdin to stdout)",
            "Converts the FILEs (- or none: standard input) and writes them to standard output.\n"
            "  --to gb|big5|auto      the target; auto converts text that is foreign to the\n"
            "                         system's code type into it, judged on the first MiB of\n"
            "                         each input\n"
            "  --system gb|big5|english|other\n"
            "                         the system's code type (default: from the user's locale)\n"
            "Every byte that is not converted is kept: line ends (LF, CR LF, lone CRs), tabs,\n"
            "indentation, NULs and a missing line end at the end. Any length of input passes\n"
            "in constant memory.\n",
            "convert --to gb|big5|auto [--system S] [OPTIONS] [FILE...]",
            {{"to", true}, {"system", true}},
            RunConvert};
}

Command DetectCommand() {
    return {"detect",
            "tell whether texts are Big5 or GB",
            "Prints for each FILE (- or none: standard input) the code type the library detects:\n"
            "big5, gb, english (no double-byte character) or other. A longer input is judged on\n"
            "its first MiB.\n"
            "  --system gb|big5|english|other\n"
            "                         the system's code type, which settles close results\n"
            "                         (default: from the user's locale)\n",
            "detect [--system S] [OPTIONS] [FILE...]",
            {{"system", true}},
            RunDetect};
}

}  // namespace cli
