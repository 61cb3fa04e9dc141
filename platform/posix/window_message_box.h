// Message boxes: their buttons, how messages close them, and the host's presenter.
#pragma once

#include "platform/posix/window_table.h"
#include "quorvel/window_system.h"

namespace qml::os::windows {

// The id with which the message (WM_CLOSE, or WM_COMMAND with a button id) closes the box, 0
// when the box stays open.
int MessageBoxCloseResult(const MessageBoxState& box, UINT message, WPARAM wParam);

// Empty: the default presenter.
void SetMessageBoxPresenter(quorvel::MessageBoxPresenter presenter);

}  // namespace qml::os::windows
