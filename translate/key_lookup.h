// The single place where translations are read from the language file.
#pragma once

namespace qml {

// The section of the language file that holds the host's texts.
inline constexpr const char kProgramOutStr[] = "ProgramOutStr";

}  // namespace qml
