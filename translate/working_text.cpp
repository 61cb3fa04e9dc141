#include "translate/working_text.h"

#include <cstdio>
#include <cstring>

#include "base/bounded_copy.h"

namespace qml {

int FormatWorkingText(WorkingText& text, const char* format, va_list args) {
    text[0] = '\0';
    if (!format) return 0;
    // "%s" with a finished text is how the library and its hosts pass most lines: copied
    // straight, as the formatter would, with the C runtime's text for a null pointer.
    if (format[0] == '%' && format[1] == 's' && format[2] == '\0') {
        const char* argument = va_arg(args, const char*);
        if (!argument) argument = "(null)";
        return static_cast<int>(CopyBounded(text.data(), text.size(),
                                            std::string_view(argument, strnlen(argument, text.size() - 1))));
    }
    int length = std::vsnprintf(text.data(), text.size(), format, args);
    if (length < 0) {
        text[0] = '\0';
        return 0;
    }
    return length < kTextBufferSize ? length : kTextBufferSize - 1;
}

}  // namespace qml
