#include "platform/posix/profile_parse.h"

#include <chrono>
#include <random>
#include <utility>

#include "base/ascii.h"

namespace qml::os::posix {

namespace {

// The word fold is AsciiLower on each of its bytes: checked here for every byte value in the
// even and in the odd places of a word, next to bytes that are letters and bytes that are not.
constexpr bool WordFoldIsAsciiLower() {
    constexpr unsigned kNeighbours[] = {'A', 'Z', 'a', 'z', '@', '[', '`', '{', 0x00, 0x7f, 0x80, 0xC1, 0xFF};
    for (unsigned neighbour : kNeighbours)
        for (unsigned value = 0; value < 256; ++value)
            for (unsigned parity = 0; parity < 2; ++parity) {
                std::uint64_t word = 0;
                for (unsigned i = 0; i < 8; ++i)
                    word |= std::uint64_t{i % 2 == parity ? value : neighbour} << (8 * i);
                std::uint64_t folded = FoldAsciiCase(word);
                for (unsigned i = 0; i < 8; ++i) {
                    char byte = static_cast<char>((word >> (8 * i)) & 0xFF);
                    if (static_cast<unsigned char>(AsciiLower(byte)) != ((folded >> (8 * i)) & 0xFF))
                        return false;
                }
            }
    return true;
}
static_assert(WordFoldIsAsciiLower(), "FoldAsciiCase must fold as AsciiLower does, byte by byte");

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

NameHashSeeds DrawNameHashSeeds() {
    std::random_device device;
    auto draw = [&device] { return (static_cast<std::uint64_t>(device()) << 32) ^ device(); };
    // random_device may be deterministic on some platforms; the clock adds variety.
    auto clock = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    NameHashSeeds seeds;
    seeds.start = draw() ^ clock;
    seeds.data = draw() | 1;
    seeds.state = draw() | 1;
    return seeds;
}

}  // namespace qml::os::posix
