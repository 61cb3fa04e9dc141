// Message boxes: their buttons, how messages close them, and the host's presenter.
#pragma once

#include "platform/posix/window_table.h"
#include "quorvel/window_system.h"

namespace qml::os::windows {

// The id with which the message (WM_CLOSE, or WM_COMMAND with a button id) ends the box (or,
// for a box that has ended already, replaces its result); 0 when the message does nothing.
int MessageBoxCloseResult(const MessageBoxState& box, UINT message, WPARAM wParam);

// Empty: the default presenter.
void SetMessageBoxPresenter(quorvel::MessageBoxPresenter presenter);

// Frees the host's presenter, when the library is unloaded for good.
void ReleaseMessageBoxPresenter();

}  // namespace qml::os::windows
