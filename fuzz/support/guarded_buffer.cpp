#include "support/guarded_buffer.h"

#include <algorithm>
#include <cstring>

#include "support/check.h"

namespace qml_fuzz {

GuardedBuffer::GuardedBuffer(int size)
    : m_size(size), m_bytes(static_cast<size_t>(2 * kGuard + (size > 0 ? size : 0)), kGuardByte) {
    if (size > 0) std::memset(data(), kFillByte, static_cast<size_t>(size));
}

void GuardedBuffer::CheckGuards(const char* function) const {
    const size_t inside = static_cast<size_t>(m_size > 0 ? m_size : 0);
    for (size_t i = 0; i < static_cast<size_t>(kGuard); ++i) {
        if (m_bytes[i] != kGuardByte)
            Fail("wrote before the buffer", std::string(function) + ", size " + std::to_string(m_size));
        if (m_bytes[kGuard + inside + i] != kGuardByte)
            Fail("wrote past the buffer", std::string(function) + ", size " + std::to_string(m_size));
    }
}

std::string GuardedBuffer::Text(const char* function) const {
    CheckGuards(function);
    const char* begin = m_bytes.data() + kGuard;
    const void* nul = m_size > 0 ? std::memchr(begin, '\0', static_cast<size_t>(m_size)) : nullptr;
    if (!nul)
        Fail("result not terminated within the size",
             std::string(function) + ", size " + std::to_string(m_size));
    return std::string(begin, static_cast<const char*>(nul));
}

void GuardedBuffer::CheckClearedAfterText(const char* function) const {
    // Compared in blocks through the C library: a byte loop here would dominate the run time
    // of the targets under coverage instrumentation.
    static const char kZeros[4096] = {};
    const size_t end = static_cast<size_t>(m_size);
    for (size_t at = Text(function).size(); at < end; at += sizeof kZeros) {
        const size_t block = std::min(sizeof kZeros, end - at);
        if (std::memcmp(m_bytes.data() + kGuard + at, kZeros, block) != 0)
            Fail("buffer not cleared behind the result",
                 std::string(function) + ", size " + std::to_string(m_size));
    }
}

void GuardedBuffer::CheckUntouched(const char* function) const {
    CheckGuards(function);
    for (int i = 0; i < m_size; ++i)
        if (m_bytes[static_cast<size_t>(kGuard + i)] != kFillByte)
            Fail("wrote into a buffer it must leave alone",
                 std::string(function) + ", size " + std::to_string(m_size));
}

}  // namespace qml_fuzz
