// One check of each profile file per exported call.
//
// Every lookup of the profile reader (GetPrivateProfileStringA) makes sure that it answers
// from the file as it is now: on POSIX the parsed file is kept in memory and checked (stat,
// and the content itself while the file is freshly written) before it is trusted. One
// exported call of the library may make many lookups in the same file (a sentence is
// translated word by word, each word in up to three tries), and checking the file for each
// of them buys nothing: the caller cannot tell the order of its lookups from an edit made
// meanwhile.
//
// So an exported function opens a ProfileCallScope at its top. While at least one scope is
// alive on the calling thread (scopes nest; only the outermost one counts), each file is
// checked at its first lookup and every later lookup of the same path on this thread
// answers from that same snapshot, without touching the file system or the shared cache; the
// sections searched in it are remembered too, so a sentence's further words cost a key lookup.
// An edit made while the scope is alive is therefore not seen inside it; the first lookup
// after the outermost scope has closed sees it. Outside any scope every lookup checks the
// file. A scope belongs to its thread: other threads are not affected, and a scope must be
// destroyed on the thread that created it (use it as a local variable only).
//
// On Windows the system's reader reads the file at each call and the scope does nothing.
#pragma once

namespace qml::os {

class ProfileCallScope {
  public:
#if defined(_WIN32)
    ProfileCallScope() noexcept {}
    ~ProfileCallScope() {}
#else
    ProfileCallScope() noexcept;
    ~ProfileCallScope();
#endif
    ProfileCallScope(const ProfileCallScope&) = delete;
    ProfileCallScope& operator=(const ProfileCallScope&) = delete;
};

}  // namespace qml::os
