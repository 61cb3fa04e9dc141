// Builds the converter's code tables and the code-page-936 character mappings from the ICU
// code pages windows-950-2000 and windows-936-2000, OpenCC's Simplified-to-Taiwan character
// data and the ICU transforms Hans-Hant / Hant-Hans.
//
//   qml_table_generator ROOT [OPENCC_DICTIONARY_DIR]
//
// writes ROOT/chinese/tables/{big5_to_gb,gb_to_big5,big5_to_cp936,cp936_to_big5}.bin and
// ROOT/platform/posix/data/{cp936_to_traditional,cp936_to_simplified}.bin, creating the folders.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "code_tables.h"

namespace {

void WriteTable(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
    std::printf("%s: %zu bytes\n", path.string().c_str(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s ROOT [OPENCC_DICTIONARY_DIR]\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path root(argv[1]);
        const qml_tools::Sources sources(argc == 3 ? argv[2] : QML_OPENCC_DATA_DIR);
        const std::vector<unsigned char> big5ToGb = qml_tools::BuildBig5ToGbTable(sources);
        const std::vector<unsigned char> traditional = qml_tools::BuildCp936ToTraditional(sources);
        WriteTable(root / "chinese/tables/big5_to_gb.bin", big5ToGb);
        WriteTable(root / "chinese/tables/gb_to_big5.bin", qml_tools::BuildGbToBig5Table(sources));
        WriteTable(root / "chinese/tables/big5_to_cp936.bin",
                   qml_tools::BuildBig5ToCp936Table(sources, big5ToGb, traditional));
        WriteTable(root / "chinese/tables/cp936_to_big5.bin", qml_tools::BuildCp936ToBig5Table(sources));
        WriteTable(root / "platform/posix/data/cp936_to_traditional.bin", traditional);
        WriteTable(root / "platform/posix/data/cp936_to_simplified.bin",
                   qml_tools::BuildCp936ToSimplified(sources));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qml_table_generator: %s\n", error.what());
        return 1;
    }
    return 0;
}
