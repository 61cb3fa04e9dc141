// An open-addressing hash index over a parsed file's sections or keys: O(1) lookups with
// no allocation, and the first item of a name wins (later duplicates stay out of the index).
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

namespace qml::posix {

class NameIndex {
  public:
    static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

    // Indexes items 0..count-1 in order. hashOf(i) is item i's hash; sameName(i, j) tells
    // whether items i and j carry the same name (an item of an already indexed name is left out).
    template <class HashOf, class SameName>
    void Build(std::uint32_t count, HashOf hashOf, SameName sameName) {
        std::size_t capacity = 8;
        while (capacity < static_cast<std::size_t>(count) * 2) capacity *= 2;
        m_slots.assign(capacity, 0);
        m_mask = capacity - 1;
        for (std::uint32_t item = 0; item < count; ++item) {
            std::uint64_t hash = hashOf(item);
            for (std::size_t slot = hash & m_mask;; slot = (slot + 1) & m_mask) {
                std::uint32_t held = m_slots[slot];
                if (held == 0) {
                    m_slots[slot] = item + 1;
                    break;
                }
                if (hashOf(held - 1) == hash && sameName(held - 1, item)) break;
            }
        }
    }

    // The first item with this hash that matches(i) accepts, or kNone.
    template <class Matches>
    std::uint32_t Find(std::uint64_t hash, Matches matches) const {
        if (m_slots.empty()) return kNone;
        for (std::size_t slot = hash & m_mask;; slot = (slot + 1) & m_mask) {
            std::uint32_t held = m_slots[slot];
            if (held == 0) return kNone;
            if (matches(held - 1)) return held - 1;
        }
    }

    std::size_t MemoryUse() const { return m_slots.capacity() * sizeof(std::uint32_t); }

  private:
    std::vector<std::uint32_t> m_slots;  // item + 1; 0 is an empty slot
    std::size_t m_mask = 0;
};

}  // namespace qml::posix
