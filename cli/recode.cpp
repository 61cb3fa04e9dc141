#include "recode.h"

#include <iconv.h>

#include <cerrno>

#include "arguments.h"

namespace cli {

std::string CodePageName(int codePage) {
    switch (codePage) {
        case 950:
            return "BIG5";
        case 936:
            return "GBK";
        case 65001:
            return "UTF-8";
        default:
            return "CP" + std::to_string(codePage);
    }
}

std::string Recode(const std::string& text, const std::string& from, const std::string& to) {
    if (from == to || text.empty()) return text;
    iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw UsageError("unknown encoding conversion " + from + " to " + to);

    std::string out;
    std::string input = text;
    char* in = input.data();
    size_t inLeft = input.size();
    char chunk[4096];
    while (inLeft > 0) {
        char* outPtr = chunk;
        size_t outLeft = sizeof chunk;
        size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(chunk, sizeof chunk - outLeft);
        if (result == static_cast<size_t>(-1)) {
            if (errno == E2BIG) continue;
            // An invalid or cut sequence: show one '?' for its first byte and go on.
            out += '?';
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace cli
