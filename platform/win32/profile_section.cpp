#include "platform/profile_section.h"

#include <cstdio>

#include "platform/os.h"

namespace qml::os {

ProfileSectionReader::ProfileSectionReader(const char* file, const char* section) {
    if (!file || !*file || !section) return;
    m_open = true;
    m_file = file;
    m_section = section;
    m_value.resize(256);
    // The system's reader reads the whole file at every call anyway: three more bytes here.
    if (std::FILE* stream = std::fopen(file, "rb")) {
        char head[3] = {};
        m_utf8Marked = std::fread(head, 1, sizeof head, stream) == sizeof head && head[0] == '\xEF' &&
                       head[1] == '\xBB' && head[2] == '\xBF';
        std::fclose(stream);
    }
}

bool ProfileSectionReader::Find(std::string_view key, std::string_view& value) {
    if (!m_open) return false;
    m_key.assign(key.data(), key.size());
    for (;;) {
        DWORD size = static_cast<DWORD>(m_value.size());
        DWORD n = os::GetPrivateProfileStringA(m_section.c_str(), m_key.c_str(), "", &m_value[0], size,
                                             m_file.c_str());
        // The system cuts a value that does not fit to size - 1 characters.
        if (n + 1 < size || size >= (DWORD{1} << 24)) {
            // A missing key and an empty value both read as nothing; the last error tells them apart.
            if (n == 0 && ::GetLastError() == ERROR_FILE_NOT_FOUND) return false;
            value = std::string_view(m_value.data(), n);
            return true;
        }
        m_value.resize(m_value.size() * 4);
    }
}

}  // namespace qml::os
