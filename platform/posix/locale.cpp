// GetUserDefaultLCID from the POSIX locale environment.
//
// The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty names the locale, in
// the form language[_territory][.codeset][@modifier] ("zh_TW.UTF-8", "zh_CN.GBK@euro";
// a '-' between language and territory is taken too, and case does not matter). Known
// language and territory pairs map to their Windows locale identifiers; a known language
// with an unknown or no territory maps to the language's main locale ("fr" and "fr_XX" to
// fr_FR, 0x040C; "zh" to zh_CN, 0x0804); "C", "POSIX", nothing set, and an unknown language
// give 0x0409 (en_US), so that an unrecognised user locale keeps the library in English.
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/ascii.h"
#include "platform/os.h"

namespace qml::os {

namespace {

constexpr LCID kEnglishUs = 0x0409;

struct KnownLocale {
    std::string_view language;
    std::string_view territory;
    LCID id;
};

// For each language the first row is its main locale.
constexpr KnownLocale kLocales[] = {
    {"af", "ZA", 0x0436}, {"ar", "SA", 0x0401}, {"ar", "EG", 0x0C01}, {"ar", "AE", 0x3801},
    {"be", "BY", 0x0423}, {"bg", "BG", 0x0402}, {"bn", "IN", 0x0445}, {"ca", "ES", 0x0403},
    {"cs", "CZ", 0x0405}, {"da", "DK", 0x0406}, {"de", "DE", 0x0407}, {"de", "CH", 0x0807},
    {"de", "AT", 0x0C07}, {"de", "LU", 0x1007}, {"de", "LI", 0x1407}, {"el", "GR", 0x0408},
    {"en", "US", 0x0409}, {"en", "GB", 0x0809}, {"en", "AU", 0x0C09}, {"en", "CA", 0x1009},
    {"en", "NZ", 0x1409}, {"en", "IE", 0x1809}, {"en", "ZA", 0x1C09}, {"en", "PH", 0x3409},
    {"en", "HK", 0x3C09}, {"en", "IN", 0x4009}, {"en", "MY", 0x4409}, {"en", "SG", 0x4809},
    {"es", "ES", 0x0C0A}, {"es", "MX", 0x080A}, {"es", "CO", 0x240A}, {"es", "AR", 0x2C0A},
    {"es", "CL", 0x340A}, {"es", "US", 0x540A}, {"et", "EE", 0x0425}, {"eu", "ES", 0x042D},
    {"fa", "IR", 0x0429}, {"fi", "FI", 0x040B}, {"fr", "FR", 0x040C}, {"fr", "BE", 0x080C},
    {"fr", "CA", 0x0C0C}, {"fr", "CH", 0x100C}, {"fr", "LU", 0x140C}, {"gl", "ES", 0x0456},
    {"he", "IL", 0x040D}, {"hi", "IN", 0x0439}, {"hr", "HR", 0x041A}, {"hu", "HU", 0x040E},
    {"hy", "AM", 0x042B}, {"id", "ID", 0x0421}, {"is", "IS", 0x040F}, {"it", "IT", 0x0410},
    {"it", "CH", 0x0810}, {"ja", "JP", 0x0411}, {"ka", "GE", 0x0437}, {"kk", "KZ", 0x043F},
    {"ko", "KR", 0x0412}, {"lt", "LT", 0x0427}, {"lv", "LV", 0x0426}, {"mk", "MK", 0x042F},
    {"mn", "MN", 0x0450}, {"mr", "IN", 0x044E}, {"ms", "MY", 0x043E}, {"ms", "BN", 0x083E},
    {"nb", "NO", 0x0414}, {"no", "NO", 0x0414}, {"nn", "NO", 0x0814}, {"nl", "NL", 0x0413},
    {"nl", "BE", 0x0813}, {"pl", "PL", 0x0415}, {"pt", "BR", 0x0416}, {"pt", "PT", 0x0816},
    {"ro", "RO", 0x0418}, {"ru", "RU", 0x0419}, {"sk", "SK", 0x041B}, {"sl", "SI", 0x0424},
    {"sq", "AL", 0x041C}, {"sr", "RS", 0x281A}, {"sv", "SE", 0x041D}, {"sv", "FI", 0x081D},
    {"sw", "KE", 0x0441}, {"ta", "IN", 0x0449}, {"te", "IN", 0x044A}, {"th", "TH", 0x041E},
    {"tr", "TR", 0x041F}, {"uk", "UA", 0x0422}, {"ur", "PK", 0x0420}, {"vi", "VN", 0x042A},
    {"zh", "CN", 0x0804}, {"zh", "TW", 0x0404}, {"zh", "HK", 0x0C04}, {"zh", "SG", 0x1004},
    {"zh", "MO", 0x1404},
};

// Serbian in Latin script ("sr_RS@latin") has an identifier of its own.
constexpr LCID kSerbianLatin = 0x241A;

std::string Upper(std::string_view text) {
    std::string out(text);
    UpperAscii(out);
    return out;
}

const char* LocaleVariable() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return value;
    }
    return nullptr;
}

LCID LocaleId(std::string_view name) {
    std::string_view modifier;
    std::size_t at = name.find('@');
    if (at != std::string_view::npos) {
        modifier = name.substr(at + 1);
        name = name.substr(0, at);
    }
    name = name.substr(0, name.find('.'));
    std::size_t separator = name.find_first_of("_-");
    std::string language = AsciiLowered(name.substr(0, separator));
    std::string territory =
        separator == std::string_view::npos ? std::string() : Upper(name.substr(separator + 1));

    if (language == "sr" && AsciiLowered(modifier) == "latin") return kSerbianLatin;
    LCID main = 0;
    for (const KnownLocale& known : kLocales) {
        if (known.language != language) continue;
        if (known.territory == territory) return known.id;
        if (main == 0) main = known.id;
    }
    return main != 0 ? main : kEnglishUs;
}

}  // namespace

LCID GetUserDefaultLCID() {
    const char* name = LocaleVariable();
    return name ? LocaleId(name) : kEnglishUs;
}

}  // namespace qml::os
