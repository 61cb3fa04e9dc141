// The two passes that turn a format template of GetMLFormatString into a sentence without
// ever reading an argument that is not there: a "%" that a translation brings along is copied,
// never taken as a conversion that wants an argument.
#pragma once

#include <string>

namespace qml {

// The first pass: each "%%" becomes "%"; every other "%" stays as it is.
std::string CollapseDoubledPercents(const char* templateText);

// The final pass: "%%" becomes "%", the first string conversion (%s with its flags, width and
// precision) is filled with text, and every other "%" sequence is copied as it stands.
std::string FillStringConversion(const std::string& templateText, const char* text);

// The same with the first integer conversion (d, i, u, o, x or X with any length modifier),
// filled with the value converted to the type that the conversion names.
std::string FillIntegerConversion(const std::string& templateText, unsigned long value);

}  // namespace qml
