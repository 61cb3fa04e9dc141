// Translated message boxes, and closing the one shown last.
#include <cstring>
#include <mutex>
#include <string>

#include "language/language_state.h"
#include "platform/crt.h"
#include "platform/os.h"
#include "platform/profile_scope.h"
#include "quorvel/multilanguage.h"

namespace qml {

namespace {

constexpr int kCaptionSize = 256;
constexpr int kMessageSize = 4096;

// The translated caption of the box shown last. It outlives the box, so that a later call can
// find a box that is still open by its title. Guarded so that threads showing and closing boxes
// at once never read a half-written caption.
class RememberedCaption {
  public:
    void Set(const char* caption) {
        std::lock_guard<std::mutex> lock(m_lock);
        m_caption = caption;
    }
    std::string Get() const {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_caption;
    }

  private:
    mutable std::mutex m_lock;
    std::string m_caption;
};

RememberedCaption& Remembered() {
    static RememberedCaption caption;
    return caption;
}

}  // namespace
}  // namespace qml

int MsgBoxMLV(CWnd* parent, const char* caption, unsigned int style, const char* format, va_list args) {
    using namespace qml;

    // At most one box of ours is open: close one left open, by OK, else by No.
    CloseMsgBoxML(IDOK);
    CloseMsgBoxML(IDNO);

    if (style == 0) style = MB_ICONEXCLAMATION | MB_OK;

    char message[kMessageSize] = {};
    if (format) crt::_vsnprintf(message, kMessageSize - 1, format, args);

    const char* applicationName = os::GetApplicationName();
    CString fullCaption;
    fullCaption.Format("[%s] - %s", applicationName ? applicationName : "pelko",
                       caption ? caption : "Message Prompt");

    HWND owner = nullptr;
    if (MLParentWndCallback parentWndCallback = State().parentWndCallback) owner = parentWndCallback(parent);

    char translatedCaption[kCaptionSize] = {};
    char translatedMessage[kMessageSize] = {};
    {
        os::ProfileCallScope scope;
        GetMultiLngText_ByAutoPart(translatedCaption, kCaptionSize, "%s", fullCaption.GetString());
        GetMultiLngText_ByAutoPart(translatedMessage, kMessageSize, "%s", message);
    }
    Remembered().Set(translatedCaption);

    return os::MessageBoxA(owner, translatedMessage, translatedCaption, style);
}

int MsgBoxML(CWnd* parent, const char* caption, unsigned int style, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int result = MsgBoxMLV(parent, caption, style, format, args);
    va_end(args);
    return result;
}

int CloseMsgBoxML(int buttonId) {
    using namespace qml;
    const std::string caption = Remembered().Get();
    if (caption.empty()) return 0;

    // Only a window of this process: another program's window with the same title is no box
    // of ours.
    HWND box = os::FindOwnTopLevelWindow(caption.c_str());
    if (!box) return 0;
    if (os::IsWindow(box)) os::SendMessageA(box, WM_CLOSE, 0, 0);
    // A box without Cancel ignores WM_CLOSE: press the button instead.
    if (os::IsWindow(box)) os::SendMessageA(box, WM_COMMAND, static_cast<WPARAM>(buttonId), 0);
    return 1;
}
