#include "ui/shown_boxes.h"

#include <mutex>
#include <type_traits>

#include "base/bounded_copy.h"
#include "platform/os.h"

namespace qml::ui {

namespace {

// What the message boxes keep for the process: the boxes shown now and the boxes claimed by a
// closer. Constant-initialised and never destroyed, like every process-wide state of the library.
struct ShownBoxesState {
    os::PermanentLock lock;  // guards the two lists
    ShownBox* newestShown = nullptr;
    BoxClaim* claims = nullptr;
};
static_assert(std::is_trivially_destructible_v<ShownBoxesState>);

ShownBoxesState g_state;

}  // namespace

ShownBox::ShownBox(const char* caption) {
    FillBounded(m_caption, sizeof m_caption, caption ? caption : "");
    std::lock_guard<os::PermanentLock> hold(g_state.lock);
    m_older = g_state.newestShown;
    if (m_older) m_older->m_newer = this;
    g_state.newestShown = this;
}

ShownBox::~ShownBox() {
    std::lock_guard<os::PermanentLock> hold(g_state.lock);
    if (m_newer)
        m_newer->m_older = m_older;
    else
        g_state.newestShown = m_older;
    if (m_older) m_older->m_newer = m_newer;
}

std::vector<std::string> ShownCaptions() {
    std::vector<std::string> captions;
    std::lock_guard<os::PermanentLock> hold(g_state.lock);
    for (const ShownBox* box = g_state.newestShown; box; box = box->m_older)
        captions.emplace_back(box->m_caption);
    return captions;
}

HWND BoxClaim::Claim() {
    // The window system is asked with no lock of ours held: a box's own thread may be in
    // here too, from a handler that runs while its box is up.
    for (;;) {
        Release();
        HWND candidate = nullptr;
        for (const std::string& caption : ShownCaptions()) {
            for (HWND box : os::FindOwnShownWindows(caption.c_str())) {
                if (TryClaim(box)) {
                    candidate = box;
                    break;
                }
            }
            if (candidate) break;
        }
        if (!candidate) return nullptr;
        // A box that ended between the search and the claim is no longer ours to close.
        if (os::IsWindowVisible(candidate)) return candidate;
    }
}

bool BoxClaim::TryClaim(HWND box) {
    std::lock_guard<os::PermanentLock> hold(g_state.lock);
    for (const BoxClaim* other = g_state.claims; other; other = other->m_next)
        if (other->m_box == box) return false;
    m_box = box;
    m_next = g_state.claims;
    if (m_next) m_next->m_previous = this;
    m_previous = nullptr;
    g_state.claims = this;
    return true;
}

void BoxClaim::Release() {
    if (!m_box) return;
    std::lock_guard<os::PermanentLock> hold(g_state.lock);
    if (m_previous)
        m_previous->m_next = m_next;
    else
        g_state.claims = m_next;
    if (m_next) m_next->m_previous = m_previous;
    m_box = nullptr;
    m_next = m_previous = nullptr;
}

}  // namespace qml::ui
