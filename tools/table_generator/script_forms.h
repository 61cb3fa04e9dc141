// The choice of a character's form in the other script: OpenCC's Simplified-to-Taiwan data
// first, the ICU transforms where OpenCC offers nothing that the target code page holds.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "icu_codec.h"
#include "opencc_dictionary.h"

namespace qml_tools {

struct ScriptData {
    // OPENCC_DIR is the folder of OpenCC's .ocd2 dictionaries.
    explicit ScriptData(const std::string& openccDir);

    CharacterDictionary simplifiedToTraditional;  // STCharacters
    CharacterDictionary taiwanVariants;           // TWVariants: OpenCC's standard to Taiwan's
    CharacterDictionary traditionalToSimplified;  // TSCharacters
    CharacterDictionary fromTaiwanVariants;       // TWVariantsRev
    Transform icuToTraditional{"Hans-Hant"};
    Transform icuToSimplified{"Hant-Hans"};
};

// Whether a code page holds a character.
using Holds = std::function<bool(UChar32)>;

// Taiwan's standard form of a character by OpenCC's character data (the character itself
// when it has no other form).
UChar32 TaiwanStandardForm(const ScriptData& data, UChar32 ch);

// Whether a character is written otherwise in Taiwan and so takes its Taiwan-standard form
// even where the target code page holds its own shape. Every GB2312 character is a mainland
// standard shape, so any other Taiwan form counts; outside GB2312 only OpenCC's simplified
// characters do (a traditional variant such as 裏 stays itself).
bool IsSimplifiedForm(const ScriptData& data, UChar32 ch, bool inGb2312);

// The traditional form of a character that a code page holds: the character itself when it is
// not a simplified form and the code page holds it; else the first that the code page holds
// of OpenCC's Taiwan forms (the standard one first, then the other variants), ICU's form and
// the character itself; nothing when the code page holds none of them.
std::optional<UChar32> TraditionalIn(const ScriptData& data, UChar32 ch, bool inGb2312, const Holds& holds);

// What becomes of a character that GB2312 holds although OpenCC simplifies it (後, 乾): the
// converter's Big5-to-GB table keeps it, the system's simplified mapping simplifies it.
enum class Gb2312Shapes { Keep, Simplify };

// The simplified form of a character: the character itself when GB2312 holds it (unless it
// is to be simplified and OpenCC does), else the first of OpenCC's simplified forms (through
// Taiwan's variants too), ICU's form and the character that GB2312 holds, else the first of
// them that the wider code page holds; nothing when neither holds any.
std::optional<UChar32> SimplifiedIn(const ScriptData& data, UChar32 ch, const Holds& gb2312,
                                    const Holds& wider, Gb2312Shapes shapes);

}  // namespace qml_tools
