// One of OpenCC's character dictionaries (.ocd2), read through the OpenCC library: for each
// character, the characters it may become, the preferred one first.
#pragma once

#include <unicode/umachine.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace qml_tools {

class CharacterDictionary {
  public:
    // Throws when the file cannot be read.
    explicit CharacterDictionary(const std::string& path);

    // The forms of a character, preferred first; empty when the dictionary has no entry.
    const std::vector<UChar32>& Forms(UChar32 ch) const;
    // The preferred form, or the character itself when there is no entry.
    UChar32 Preferred(UChar32 ch) const;

  private:
    std::unordered_map<UChar32, std::vector<UChar32>> m_forms;
};

}  // namespace qml_tools
