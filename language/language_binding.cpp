// What a set-up would bind, worked out with the set-up's own rules and nothing written.
#include "quorvel/language_binding.h"

#include <string>

#include "base/bounded_copy.h"
#include "language/catalogue.h"
#include "language/language_file.h"
#include "language/language_state.h"
#include "language/set_up.h"
#include "platform/os.h"

namespace {

// Copies text into a field of the binding, cut to fit and terminated.
template <size_t N>
void Put(char (&field)[N], const std::string& text) {
    qml::CopyBounded(field, N, text);
}

}  // namespace

namespace quorvel {

void ResolveLanguageBinding(const char* languageDir, int languageType, LanguageBinding* binding) {
    using namespace qml;
    if (!binding) return;
    *binding = LanguageBinding();
    os::ProfileCallScope scope;

    binding->languageType = ChooseLanguageType(languageType);

    std::string dir = StoredDirectoryForm(languageDir ? languageDir : "");
    if (dir.empty()) dir = State().languageDir;
    Put(binding->directory, dir);

    const std::string catalogue = dir + kCatalogueFile;
    Put(binding->catalogue, os::SystemPath(catalogue.c_str()));
    // The set-up reads the name into a buffer of this size.
    const CString englishName = EnglishNameIn(catalogue.c_str(), binding->languageType, 1024);
    std::string problem;
    const std::string file = LanguageFilePath(dir.c_str(), englishName, problem);
    if (!file.empty()) Put(binding->languageFile, os::SystemPath(file.c_str()));
    Put(binding->problem, problem);
}

}  // namespace quorvel
