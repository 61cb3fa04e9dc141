// The caption translator: a menu, button or dialog caption taken apart into its accelerator
// ampersand, its ellipsis and its tab shortcut text, the remaining words translated, and the
// decorations put back around the translation in the form the language file asks for.
#pragma once

#include <cstddef>
#include <string>

namespace qml {

// The caption rebuilt around its translation (a null caption is empty). Only the first 255
// bytes of the caption count; the translation of its words is cut to translationLimit bytes
// before the decorations are put back, as a caller's buffer has always cut it.
std::string TranslateCaption(const char* caption, std::size_t translationLimit);

}  // namespace qml
