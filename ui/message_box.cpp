// Translated message boxes, and closing them.
//
// Which box a close acts on: the newest box that a MsgBoxML call of this process is still
// showing. With one box at a time, as a host usually shows them, that is the box shown last.
// With several threads showing boxes at once, each close ends exactly one shown box, so as
// many closes as boxes leave none open, whichever thread's box each close ends. A box that has
// ended is never acted on again: a dialog stays a window for a moment after it ends, and a
// button pressed then would replace its result.
#include "ui/message_box.h"

#include <string>

#include "base/bounded_copy.h"
#include "language/language_state.h"
#include "platform/os.h"
#include "quorvel/multilanguage.h"
#include "translate/phrase_translator.h"
#include "ui/shown_boxes.h"

namespace qml {

namespace {

constexpr int kMessageSize = 4096;

// Ends a shown box: a request to close it (which a box with Cancel, or with OK alone, obeys),
// then, for a box that ignored it, its button buttonId. Nothing is sent to a box that has
// ended meanwhile, and the button waits until the request has taken effect.
void CloseShownBox(HWND box, int buttonId) {
    if (!os::IsWindowVisible(box)) return;
    os::SendMessageA(box, WM_CLOSE, 0, 0);
    if (os::StillShownAfterCloseRequest(box))
        os::SendMessageA(box, WM_COMMAND, static_cast<WPARAM>(buttonId), 0);
}

}  // namespace

int ShowMessageBox(CWnd* parent, const char* caption, unsigned int style, const char* format, va_list args) {
    // At most one box of ours is open: close one left open, by OK, else by No.
    {
        ui::BoxClaim claim;
        if (HWND open = claim.Claim()) {
            CloseShownBox(open, IDOK);
            CloseShownBox(open, IDNO);
        }
    }

    if (style == 0) style = MB_ICONEXCLAMATION | MB_OK;

    char message[kMessageSize] = {};
    if (format) os::_vsnprintf(message, kMessageSize - 1, format, args);

    const std::string applicationName = os::GetApplicationName();
    CString fullCaption;
    fullCaption.Format("[%s] - %s", applicationName.c_str(), caption ? caption : "Message Prompt");

    HWND owner = nullptr;
    if (MLParentWndCallback parentWndCallback = State().parentWndCallback) owner = parentWndCallback(parent);

    char translatedCaption[ui::kCaptionSize] = {};
    char translatedMessage[kMessageSize] = {};
    {
        os::ProfileCallScope scope;
        FillBounded(translatedCaption, sizeof translatedCaption, TranslateText(fullCaption.GetString()));
        FillBounded(translatedMessage, sizeof translatedMessage, TranslateText(message));
    }

    ui::ShownBox shown(translatedCaption);
    return os::MessageBoxA(owner, translatedMessage, translatedCaption, style);
}

int CloseMessageBox(int buttonId) {
    ui::BoxClaim claim;
    HWND box = claim.Claim();
    if (!box) return 0;
    CloseShownBox(box, buttonId);
    return 1;
}

}  // namespace qml

int MsgBoxMLV(CWnd* parent, const char* caption, unsigned int style, const char* format, va_list args) {
    return qml::ShowMessageBox(parent, caption, style, format, args);
}

int MsgBoxML(CWnd* parent, const char* caption, unsigned int style, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = qml::ShowMessageBox(parent, caption, style, format, args);
    va_end(args);
    return result;
}

int CloseMsgBoxML(int buttonId) {
    return qml::CloseMessageBox(buttonId);
}
