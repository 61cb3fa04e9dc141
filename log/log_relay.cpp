#include "log/log_relay.h"

#include <string>

#include "translate/formatting.h"
#include "translate/phrase_translator.h"
#include "translate/working_text.h"

namespace qml {

namespace {

// Each thread translates its lines into a string it keeps, so a line costs no allocation. A
// callback that logs again while it holds the line gets a string of its own.
thread_local std::string t_line;
thread_local bool t_lineInUse = false;

class LineString {
  public:
    LineString() : m_reused(!t_lineInUse) { t_lineInUse = true; }
    ~LineString() {
        if (m_reused) t_lineInUse = false;
    }
    LineString(const LineString&) = delete;
    LineString& operator=(const LineString&) = delete;
    std::string& Get() { return m_reused ? t_line : m_own; }

  private:
    bool m_reused;
    std::string m_own;
};

}  // namespace

void SendTranslatedLine(unsigned int level, const char* text) {
    if (!HasLogCallback()) return;
    LineString lineString;
    std::string& line = lineString.Get();
    // Handed over as plain text: a percent sign in the line is not read a second time.
    TranslateText(text ? text : "", line);
    if (line.size() > kWorkingTextLimit) line.resize(kWorkingTextLimit);
    SendLine(level, line.c_str());
}

void SendFormattedLine(unsigned int level, const char* format, va_list args) {
    if (!HasLogCallback()) return;
    WorkingText line;
    FormatWorkingText(line, format, args);
    SendLine(level, line.data());
}

void SendTranslatedFormattedLine(unsigned int level, const char* format, va_list args) {
    if (!HasLogCallback()) return;
    WorkingText line;
    FormatWorkingText(line, format, args);
    // The line is translated up to its first NUL, as the text it was always handed over as.
    SendTranslatedLine(level, line.data());
}

void SendTranslatedFormattedLine(unsigned int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    SendTranslatedFormattedLine(level, format, args);
    va_end(args);
}

}  // namespace qml
