#include "input.h"

#include <cerrno>
#include <cstring>

#include "arguments.h"
#include "system.h"

namespace cli {

Input::Input(const std::string& path) {
    if (path == "-") {
        m_file = stdin;
        m_name = "(stdin)";
        return;
    }
    m_name = path;
    // A FIFO is opened as it is meant to be, to read what another process writes into it.
    if (KindOf(path) == FileKind::kDirectory) throw RunError(path + ": is a directory");
    m_file = std::fopen(path.c_str(), "rb");
    if (!m_file) throw RunError(path + ": " + std::strerror(errno));
    m_ownsFile = true;
}

Input::~Input() {
    if (m_ownsFile) std::fclose(m_file);
}

bool Input::Fill() {
    if (m_atEnd) return false;
    if (m_begin == m_end) m_begin = m_end = 0;
    const size_t n = std::fread(m_buffer + m_end, 1, sizeof m_buffer - m_end, m_file);
    if (n == 0) {
        if (std::ferror(m_file)) throw RunError(m_name + ": read error: " + std::strerror(errno));
        m_atEnd = true;
        return false;
    }
    m_end += n;
    return true;
}

size_t Input::Read(char* buffer, size_t size) {
    if (m_begin == m_end && !Fill()) return 0;
    const size_t n = size < m_end - m_begin ? size : m_end - m_begin;
    std::memcpy(buffer, m_buffer + m_begin, n);
    m_begin += n;
    return n;
}

bool Input::ReadLine(std::string& line) {
    line.clear();
    bool any = false;
    for (;;) {
        if (m_begin == m_end && !Fill()) break;
        any = true;
        const char* start = m_buffer + m_begin;
        const void* lineFeed = std::memchr(start, '\n', m_end - m_begin);
        const size_t n =
            lineFeed ? static_cast<size_t>(static_cast<const char*>(lineFeed) - start) : m_end - m_begin;
        if (line.size() + n > kMaxLine)
            throw RunError(m_name + ": line " + std::to_string(m_lineNumber + 1) + " is longer than " +
                           std::to_string(kMaxLine >> 20) + " MiB");
        line.append(start, n);
        m_begin += n;
        if (lineFeed) {
            ++m_begin;
            break;
        }
    }
    if (!any) return false;
    ++m_lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace cli
