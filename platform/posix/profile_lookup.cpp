// GetPrivateProfileStringA: a value, or the names of a file's sections or of a section's keys,
// from the cached parse of the file.
//
// Besides the rules of the parser (profile_parse.h) and the cache (profile_cache.h):
// - the section and key arguments are trimmed of blanks and tabs before matching;
// - a null default is the empty string, and trailing spaces of the default are not
//   copied, as the system's reader does;
// - a null section lists the names of all sections of the file, a null key the names of
//   all keys of the section, in file order, each followed by a NUL and the list by a
//   second NUL; when the list does not fit, the last name is cut, two NULs end the buffer
//   and the result is size - 2. A missing file or section gives an empty list;
// - a null or empty file name, and a bare file name without any directory (which the
//   system looks for in its own Windows directory, absent here), find nothing;
// - a null buffer or a size of 0 writes nothing and returns 0;
// - the thread's last error is ERROR_FILE_NOT_FOUND when the default was used (or a list
//   came from a missing file or section), ERROR_INVALID_PARAMETER for a null buffer or a
//   size of 0, and ERROR_SUCCESS otherwise (a cut value included).
#include <cstring>
#include <new>
#include <string_view>

#include "base/bounded_copy.h"
#include "platform/os.h"
#include "platform/posix/profile_cache.h"

namespace qml::os {

namespace {

using posix::ParsedProfile;
using posix::ProfileEntry;
using posix::ProfileLease;
using posix::ProfileSection;

// Copies text cut to size - 1 characters and a NUL; returns the characters copied.
DWORD CopyCut(std::string_view text, char* out, DWORD size) {
    return static_cast<DWORD>(CopyBounded(out, size, text));
}

// Writes names as a list: each name and a NUL, then one more NUL.
class NameList {
  public:
    NameList(char* out, DWORD size) : m_out(out), m_size(size) {
        m_out[0] = '\0';
        if (m_size > 1) m_out[1] = '\0';
    }

    // False once the buffer is full (the list was cut).
    bool Add(std::string_view name) {
        if (m_cut || m_size < 3) {
            if (!name.empty()) m_cut = true;
            return false;
        }
        if (name.empty()) return true;  // an empty name would end the list early
        if (m_used + name.size() + 1 > m_size - 1) {
            std::size_t room = m_used + 2 <= m_size ? m_size - 2 - m_used : 0;
            std::memcpy(m_out + m_used, name.data(), room);
            m_out[m_size - 2] = '\0';
            m_out[m_size - 1] = '\0';
            m_cut = true;
            return false;
        }
        std::memcpy(m_out + m_used, name.data(), name.size());
        m_used += name.size();
        m_out[m_used++] = '\0';
        m_out[m_used] = '\0';
        return true;
    }

    DWORD Result() const {
        if (m_cut) return m_size >= 2 ? m_size - 2 : 0;
        return static_cast<DWORD>(m_used);
    }

  private:
    char* m_out;
    DWORD m_size;
    std::size_t m_used = 0;
    bool m_cut = false;
};

ProfileLease OpenProfile(const char* file) {
    if (!file || !*file || !posix::HasDirectory(file)) return ProfileLease();
    return posix::LeaseProfile(file);
}

std::string_view Default(const char* def) {
    std::string_view text(def ? def : "");
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

DWORD ListNames(const ParsedProfile* profile, const char* app, char* ret, DWORD size) {
    NameList list(ret, size);
    if (!profile) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return list.Result();
    }
    if (!app) {
        for (const ProfileSection& section : profile->Sections())
            if (!list.Add(section.name)) break;
        SetLastError(ERROR_SUCCESS);
        return list.Result();
    }
    const ProfileSection* section = profile->FindSection(posix::TrimBlanks(app));
    if (!section) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return list.Result();
    }
    for (const ProfileEntry* entry = profile->EntriesBegin(*section); entry != profile->EntriesEnd(*section);
         ++entry)
        if (!list.Add(entry->name)) break;
    SetLastError(ERROR_SUCCESS);
    return list.Result();
}

// The value of key in the section (null when the file or the section is missing), or the
// default.
DWORD ReadEntry(const ParsedProfile* profile, const ProfileSection* section, const char* key, const char* def,
                char* ret, DWORD size) {
    if (section) {
        const ProfileEntry* entry = profile->FindEntry(*section, posix::TrimBlanks(key));
        if (entry && entry->hasValue) {
            SetLastError(ERROR_SUCCESS);
            return CopyCut(entry->value, ret, size);
        }
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    return CopyCut(Default(def), ret, size);
}

DWORD ReadValue(const char* app, const char* key, const char* def, char* ret, DWORD size, const char* file) {
    if (!app || !key) return ListNames(OpenProfile(file).get(), app, ret, size);
    // Inside a call scope the words of a sentence are looked up one by one in the same file
    // and section: the file is checked once, and the section searched once.
    const ParsedProfile* profile = nullptr;
    const ProfileSection* section = nullptr;
    ProfileLease lease;
    if (file) posix::FindProfileSection(file, app, lease, profile, section);
    return ReadEntry(profile, section, key, def, ret, size);
}

}  // namespace

DWORD GetPrivateProfileStringA(LPCSTR app, LPCSTR key, LPCSTR def, LPSTR ret, DWORD size, LPCSTR file) {
    if (!ret || size == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    try {
        return ReadValue(app, key, def, ret, size, file);
    } catch (const std::bad_alloc&) {
        // A file too large for the memory at hand reads as a missing one.
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return (app && key) ? CopyCut(Default(def), ret, size) : NameList(ret, size).Result();
    }
}

}  // namespace qml::os
