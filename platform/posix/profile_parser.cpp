#include "platform/posix/profile_parser.h"

#include "platform/posix/profile_names.h"

namespace qml::posix {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Unquote(std::string_view value) {
    if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

ParsedProfile::ParsedProfile(std::string bytes) : m_bytes(std::move(bytes)) {
    Parse();
}

void ParsedProfile::Parse() {
    std::string_view text(m_bytes);
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());

    while (!text.empty()) {
        std::size_t lineEnd = text.find('\n');
        std::string_view line = text.substr(0, lineEnd);
        text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);

        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::size_t nul = line.find('\0');
        if (nul != std::string_view::npos) line = line.substr(0, nul);
        line = TrimBlanks(line);
        if (line.empty() || line.front() == ';') continue;

        if (line.front() == '[') {
            std::size_t close = line.rfind(']');
            std::string_view name =
                close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1);
            ProfileSection section;
            section.name = TrimBlanks(name);
            section.firstEntry = static_cast<std::uint32_t>(m_entries.size());
            m_sections.push_back(section);
            continue;
        }
        if (m_sections.empty()) continue;

        ProfileEntry entry;
        entry.section = static_cast<std::uint32_t>(m_sections.size() - 1);
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            entry.name = line;
        } else {
            entry.name = TrimBlanks(line.substr(0, equals));
            entry.value = Unquote(TrimBlanks(line.substr(equals + 1)));
            entry.hasValue = true;
        }
        m_entries.push_back(entry);
        ++m_sections.back().entryCount;
    }

    for (ProfileSection& section : m_sections) section.hash = HashNoCase(section.name);
    for (ProfileEntry& entry : m_entries) entry.hash = HashNoCase(entry.name, EntryScope(entry.section));

    m_sectionIndex.Build(
        static_cast<std::uint32_t>(m_sections.size()), [this](std::uint32_t i) { return m_sections[i].hash; },
        [this](std::uint32_t a, std::uint32_t b) {
            return EqualNoCase(m_sections[a].name, m_sections[b].name);
        });
    m_entryIndex.Build(
        static_cast<std::uint32_t>(m_entries.size()), [this](std::uint32_t i) { return m_entries[i].hash; },
        [this](std::uint32_t a, std::uint32_t b) {
            return m_entries[a].section == m_entries[b].section &&
                   EqualNoCase(m_entries[a].name, m_entries[b].name);
        });
}

const ProfileSection* ParsedProfile::FindSection(std::string_view name) const {
    std::uint64_t hash = HashNoCase(name);
    std::uint32_t found = m_sectionIndex.Find(hash, [&](std::uint32_t i) {
        return m_sections[i].hash == hash && EqualNoCase(m_sections[i].name, name);
    });
    return found == NameIndex::kNone ? nullptr : &m_sections[found];
}

std::size_t ParsedProfile::MemoryUse() const {
    return sizeof(*this) + m_bytes.capacity() + m_sections.capacity() * sizeof(ProfileSection) +
           m_entries.capacity() * sizeof(ProfileEntry) + m_sectionIndex.MemoryUse() +
           m_entryIndex.MemoryUse();
}

}  // namespace qml::posix
