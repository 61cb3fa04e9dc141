// The profile reader against its model: arbitrary file bytes, section, key and default, every
// buffer size, the value lookup and the two name lists, the thread's last error.
//
// Input: 4 parameter bytes (mode, size high, size low, spare), then the fields section, key,
// default, and the rest of the input as the file's bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/os.h"
#include "support/check.h"
#include "support/fuzz_input.h"
#include "support/fuzz_language.h"
#include "support/guarded_buffer.h"
#include "support/reference_profile.h"

namespace {

using namespace qml_fuzz;

const std::string& ProfilePath() {
    static const std::string path = MakeScratchDirectory() + "/profile.ini";
    return path;
}

// Reads through the library's reader into a guarded buffer of the given size.
struct Read {
    DWORD result;
    std::string bytes;  // the whole buffer
};

Read ReadProfile(const char* section, const char* key, const char* def, int size) {
    GuardedBuffer buffer(size);
    DWORD result = qml::os::GetPrivateProfileStringA(section, key, def, buffer.data(),
                                                     static_cast<DWORD>(size), ProfilePath().c_str());
    buffer.CheckGuards("GetPrivateProfileStringA");
    return Read{result, std::string(buffer.data(), static_cast<size_t>(size))};
}

void CheckValue(const ReferenceProfile& model, const std::string& section, const std::string& key,
                const std::string& def, int size) {
    Read read = ReadProfile(section.c_str(), key.c_str(), def.c_str(), size);
    std::optional<std::string> value = model.Value(section, key);
    std::string expected;
    if (value) {
        expected = *value;
    } else {
        expected = def;
        while (!expected.empty() && expected.back() == ' ') expected.pop_back();
    }
    expected = expected.substr(0, static_cast<size_t>(size - 1));
    if (read.result != expected.size())
        Fail("profile value: wrong count", "count " + std::to_string(read.result) + ", expected \"" +
                                               Escape(expected) + "\", size " + std::to_string(size));
    CheckEqual(read.bytes.substr(0, expected.size() + 1), expected + '\0', "profile value: wrong text");
    DWORD error = qml::os::GetLastError();
    Check(error == (value ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND), "profile value: wrong last error");
}

// A list of names: all of it and a second NUL when it fits, else cut with two NULs at the end.
void CheckList(const Read& read, const std::string& list, int size, const char* what) {
    std::string expected;
    DWORD count;
    if (list.size() + 1 <= static_cast<size_t>(size)) {
        expected = list + '\0';
        count = static_cast<DWORD>(list.size());
    } else if (size >= 2) {
        expected = list.substr(0, static_cast<size_t>(size - 2)) + std::string(2, '\0');
        count = static_cast<DWORD>(size - 2);
    } else {
        expected = std::string(1, '\0');
        count = 0;
    }
    if (read.result != count) Fail(what, "count " + std::to_string(read.result) + " for " + Escape(list));
    CheckEqual(read.bytes.substr(0, expected.size()), expected, what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size, 4);
    const std::uint8_t mode = input.Parameter(0);
    const int bufferSize = 1 + static_cast<int>(input.Parameter16(1) % 1200);
    const std::string section = input.Field();
    const std::string key = input.Field();
    const std::string def = input.Field();
    const std::string bytes = input.Rest();

    WriteWholeFile(ProfilePath(), bytes);
    const ReferenceProfile model(bytes);

    CheckValue(model, section, key, def, bufferSize);
    CheckValue(model, section, key, def, 1);
    CheckValue(model, section, key, def, 4096);
    if (mode & 1) {
        Read sections = ReadProfile(nullptr, key.c_str(), def.c_str(), bufferSize);
        CheckList(sections, model.SectionNames(), bufferSize, "section list");
    }
    if (mode & 2) {
        Read keys = ReadProfile(section.c_str(), nullptr, def.c_str(), bufferSize);
        CheckList(keys, model.KeyNames(section).value_or(std::string()), bufferSize, "key list");
    }
    return 0;
}
