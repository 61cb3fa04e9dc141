#include "support/reference_profile.h"

namespace qml_fuzz {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::string text = bytes;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    for (std::string& l : lines) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        size_t nul = l.find('\0');
        if (nul != std::string::npos) l.erase(nul);
    }
    return lines;
}

}  // namespace

std::string TrimBlanksAndTabs(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && (text[first] == ' ' || text[first] == '\t')) ++first;
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t')) --last;
    return text.substr(first, last - first);
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

ReferenceProfile::ReferenceProfile(const std::string& bytes) {
    for (const std::string& raw : Lines(bytes)) {
        std::string line = TrimBlanksAndTabs(raw);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            size_t close = line.rfind(']');
            std::string name = close == std::string::npos ? line.substr(1) : line.substr(1, close - 1);
            m_sections.push_back(ReferenceSection{TrimBlanksAndTabs(name), {}});
            continue;
        }
        if (m_sections.empty()) continue;
        ReferenceEntry entry;
        size_t equals = line.find('=');
        if (equals == std::string::npos) {
            entry.name = line;
        } else {
            entry.name = TrimBlanksAndTabs(line.substr(0, equals));
            entry.value = TrimBlanksAndTabs(line.substr(equals + 1));
            entry.hasValue = true;
            const std::string& v = entry.value;
            if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
                entry.value = v.substr(1, v.size() - 2);
        }
        m_sections.back().entries.push_back(entry);
    }
}

const ReferenceSection* ReferenceProfile::FindSection(const std::string& name) const {
    const std::string wanted = TrimBlanksAndTabs(name);
    for (const ReferenceSection& section : m_sections)
        if (SameNameIgnoringCase(section.name, wanted)) return &section;
    return nullptr;
}

std::optional<std::string> ReferenceProfile::Value(const std::string& section, const std::string& key) const {
    const ReferenceSection* found = FindSection(section);
    if (!found) return std::nullopt;
    const std::string wanted = TrimBlanksAndTabs(key);
    for (const ReferenceEntry& entry : found->entries) {
        if (!SameNameIgnoringCase(entry.name, wanted)) continue;
        if (!entry.hasValue) return std::nullopt;
        return entry.value;
    }
    return std::nullopt;
}

std::string ReferenceProfile::SectionNames() const {
    std::string list;
    for (const ReferenceSection& section : m_sections)
        if (!section.name.empty()) list += section.name + '\0';
    return list;
}

std::optional<std::string> ReferenceProfile::KeyNames(const std::string& section) const {
    const ReferenceSection* found = FindSection(section);
    if (!found) return std::nullopt;
    std::string list;
    for (const ReferenceEntry& entry : found->entries)
        if (!entry.name.empty()) list += entry.name + '\0';
    return list;
}

}  // namespace qml_fuzz
