// A file or standard input read piece by piece, so that any amount of input passes through
// in constant memory.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace cli {

class Input {
  public:
    // The longest line a line-by-line command takes.
    static constexpr size_t kMaxLine = size_t{1} << 20;

    // path "-" is standard input. A directory or a file that cannot be opened is a RunError.
    explicit Input(const std::string& path);
    ~Input();
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    // "(stdin)" or the path, for messages.
    const std::string& Name() const { return m_name; }

    // The next line without its line end (LF, or CR LF); false at the end of the input. A last
    // line without a line end counts; a line longer than kMaxLine is a RunError.
    bool ReadLine(std::string& line);
    // Up to size bytes into buffer; 0 at the end of the input. A read error is a RunError.
    size_t Read(char* buffer, size_t size);

  private:
    bool Fill();

    std::FILE* m_file = nullptr;
    bool m_ownsFile = false;
    std::string m_name;
    char m_buffer[65536];
    size_t m_begin = 0, m_end = 0;
    bool m_atEnd = false;
    unsigned long long m_lineNumber = 0;
};

}  // namespace cli
