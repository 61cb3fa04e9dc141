#include "script_forms.h"

#include <algorithm>

namespace qml_tools {

namespace {

void Add(std::vector<UChar32>& list, UChar32 ch) {
    if (std::find(list.begin(), list.end(), ch) == list.end()) list.push_back(ch);
}

// A form followed by Taiwan's variants of it: the variant is the preferred writing.
void AddWithTaiwanVariants(const ScriptData& data, std::vector<UChar32>& list, UChar32 form) {
    for (UChar32 variant : data.taiwanVariants.Forms(form)) Add(list, variant);
    Add(list, form);
}

// OpenCC's traditional forms, each preceded by its Taiwan variants; the Taiwan-standard form
// comes first. The character alone when OpenCC has no entry for it.
std::vector<UChar32> OpenccTaiwanForms(const ScriptData& data, UChar32 ch) {
    std::vector<UChar32> forms;
    const std::vector<UChar32>& traditional = data.simplifiedToTraditional.Forms(ch);
    if (traditional.empty()) AddWithTaiwanVariants(data, forms, ch);
    for (UChar32 form : traditional) AddWithTaiwanVariants(data, forms, form);
    return forms;
}

std::optional<UChar32> FirstHeld(const std::vector<UChar32>& forms, const Holds& holds) {
    for (UChar32 form : forms) {
        if (holds(form)) return form;
    }
    return std::nullopt;
}

}  // namespace

ScriptData::ScriptData(const std::string& openccDir)
    : simplifiedToTraditional(openccDir + "/STCharacters.ocd2"),
      taiwanVariants(openccDir + "/TWVariants.ocd2"),
      traditionalToSimplified(openccDir + "/TSCharacters.ocd2"),
      fromTaiwanVariants(openccDir + "/TWVariantsRev.ocd2") {}

UChar32 TaiwanStandardForm(const ScriptData& data, UChar32 ch) {
    return OpenccTaiwanForms(data, ch).front();
}

bool IsSimplifiedForm(const ScriptData& data, UChar32 ch, bool inGb2312) {
    if (TaiwanStandardForm(data, ch) == ch) return false;
    return inGb2312 || data.simplifiedToTraditional.Preferred(ch) != ch;
}

std::optional<UChar32> TraditionalIn(const ScriptData& data, UChar32 ch, bool inGb2312, const Holds& holds) {
    if (!IsSimplifiedForm(data, ch, inGb2312) && holds(ch)) return ch;
    std::vector<UChar32> forms = OpenccTaiwanForms(data, ch);
    if (std::optional<UChar32> icu = data.icuToTraditional.Apply(ch))
        AddWithTaiwanVariants(data, forms, *icu);
    Add(forms, ch);
    return FirstHeld(forms, holds);
}

std::optional<UChar32> SimplifiedIn(const ScriptData& data, UChar32 ch, const Holds& gb2312,
                                    const Holds& wider, Gb2312Shapes shapes) {
    const std::vector<UChar32>& simplified = data.traditionalToSimplified.Forms(ch);
    const bool traditional = !simplified.empty() && simplified.front() != ch;
    if (gb2312(ch) && (shapes == Gb2312Shapes::Keep || !traditional)) return ch;
    std::vector<UChar32> forms(simplified);
    // Taiwan's variants (裡, 啟) simplify through OpenCC's standard form.
    for (UChar32 variant : data.fromTaiwanVariants.Forms(ch)) {
        for (UChar32 form : data.traditionalToSimplified.Forms(variant)) Add(forms, form);
        Add(forms, variant);
    }
    if (std::optional<UChar32> icu = data.icuToSimplified.Apply(ch)) Add(forms, *icu);
    Add(forms, ch);
    if (std::optional<UChar32> form = FirstHeld(forms, gb2312)) return form;
    return FirstHeld(forms, wider);
}

}  // namespace qml_tools
