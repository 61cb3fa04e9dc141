// Translated message boxes, and closing them.
#pragma once

#include <cstdarg>

#include "quorvel/framework.h"

namespace qml {

// Shows a box with the translated message formatted from format under the translated caption
// "[application] - caption"; a box of ours still open is closed first. Returns the button.
int ShowMessageBox(CWnd* parent, const char* caption, unsigned int style, const char* format, va_list args);

// Ends the newest box still shown, by button buttonId: 1 when there was one, else 0.
int CloseMessageBox(int buttonId);

}  // namespace qml
