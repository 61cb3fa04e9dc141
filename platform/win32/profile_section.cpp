// The profile call scope and the section reader on Windows, over the system's reader.
#include <cstdio>

#include "platform/os.h"

namespace qml::os {

// The system's reader reads the file at each call: there is nothing to keep for a call.
ProfileCallScope::ProfileCallScope() noexcept {}
ProfileCallScope::~ProfileCallScope() {}

ProfileSectionReader::ProfileSectionReader(const char* file, const char* section) {
    if (!file || !*file || !section) return;
    m_state.open = true;
    m_state.file = file;
    m_state.section = section;
    m_state.value.resize(256);
    // The system's reader reads the whole file at every call anyway: three more bytes here.
    if (std::FILE* stream = std::fopen(file, "rb")) {
        char head[3] = {};
        m_utf8Marked = std::fread(head, 1, sizeof head, stream) == sizeof head && head[0] == '\xEF' &&
                       head[1] == '\xBB' && head[2] == '\xBF';
        std::fclose(stream);
    }
}

bool ProfileSectionReader::Find(std::string_view key, std::string_view& value) {
    if (!m_state.open) return false;
    m_state.key.assign(key.data(), key.size());
    for (;;) {
        DWORD size = static_cast<DWORD>(m_state.value.size());
        DWORD n = os::GetPrivateProfileStringA(m_state.section.c_str(), m_state.key.c_str(), "",
                                               &m_state.value[0], size, m_state.file.c_str());
        // The system cuts a value that does not fit to size - 1 characters.
        if (n + 1 < size || size >= (DWORD{1} << 24)) {
            // A missing key and an empty value both read as nothing; the last error tells them apart.
            if (n == 0 && ::GetLastError() == ERROR_FILE_NOT_FOUND) return false;
            value = std::string_view(m_state.value.data(), n);
            return true;
        }
        m_state.value.resize(m_state.value.size() * 4);
    }
}

}  // namespace qml::os
