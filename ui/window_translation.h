// Window localisation: live windows translated in place.
#pragma once

#include "quorvel/wintypes.h"

namespace qml {

// The window's own text, whatever its class, and the texts of all its descendants except
// controls whose text is data, each through the caption translator. Nothing happens for a
// handle that is no window.
void TranslateWindowTree(HWND window);

// Every item of a combo box replaced by its translation at the same place in the list.
void TranslateComboBoxItems(HWND comboBox);

}  // namespace qml
