// The combo-box messages.
#pragma once

#include <string>

#include "platform/posix/window_table.h"
#include "quorvel/wintypes.h"

namespace qml::os::windows {

bool IsComboBoxMessage(UINT message);

// Handles a CB_ message with the Win32 result. text is the combo box's own text, which follows
// the selection as CB_SETCURSEL and CB_RESETCONTENT change it.
LRESULT HandleComboBoxMessage(ComboBoxState& comboBox, std::string& text, UINT message, WPARAM wParam,
                              LPARAM lParam);

}  // namespace qml::os::windows
