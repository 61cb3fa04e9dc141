// A caller buffer with guard bytes on both sides and a known fill, to prove that a function
// writes only inside the size it was given and leaves a terminated text there.
#pragma once

#include <string>
#include <vector>

namespace qml_fuzz {

class GuardedBuffer {
  public:
    static constexpr int kGuard = 16;
    static constexpr char kGuardByte = '\x5A';
    static constexpr char kFillByte = '\x7E';

    // size may be 0 or negative: data() then points at guard bytes that must stay untouched.
    explicit GuardedBuffer(int size);

    char* data() { return m_bytes.data() + kGuard; }
    int size() const { return m_size; }

    // Fails unless every guard byte is intact.
    void CheckGuards(const char* function) const;
    // Fails unless the buffer holds a NUL within its size; returns the text before it.
    std::string Text(const char* function) const;
    // Fails unless every byte from the terminator to the end of the buffer is NUL (the
    // functions that clear the whole buffer first).
    void CheckClearedAfterText(const char* function) const;
    // Fails unless no byte of the buffer changed.
    void CheckUntouched(const char* function) const;

  private:
    int m_size;
    std::vector<char> m_bytes;
};

}  // namespace qml_fuzz
