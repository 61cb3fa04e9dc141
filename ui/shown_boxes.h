// The message boxes that MsgBoxML calls are showing now, and the boxes that closes are acting
// on. Nothing here allocates or is ever destroyed: each record lives on the stack of the call
// it belongs to, linked into a list behind a permanent lock. Showing and closing boxes thus
// works from a host's exit handlers and static destructors and from threads still running
// while the process exits, and unloading the library leaves nothing behind.
#pragma once

#include <string>
#include <vector>

#include "quorvel/wintypes.h"

namespace qml::ui {

constexpr int kCaptionSize = 256;

// Records a box by its (translated) caption for the life of the object: MsgBoxML holds one
// while MessageBoxA shows the box.
class ShownBox {
  public:
    explicit ShownBox(const char* caption);
    ~ShownBox();
    ShownBox(const ShownBox&) = delete;
    ShownBox& operator=(const ShownBox&) = delete;

  private:
    friend std::vector<std::string> ShownCaptions();
    char m_caption[kCaptionSize] = {};
    ShownBox* m_older = nullptr;
    ShownBox* m_newer = nullptr;
};

// The captions of the boxes shown now, newest first.
std::vector<std::string> ShownCaptions();

// The one box that a close acts on. Claim picks the newest box of ours that is still shown and
// that no other close is acting on; until the claim is released (by the next Claim or the
// end of the object) other closes pass that box over, so that no two closes of the library
// press buttons of the same box.
class BoxClaim {
  public:
    BoxClaim() = default;
    ~BoxClaim() { Release(); }
    BoxClaim(const BoxClaim&) = delete;
    BoxClaim& operator=(const BoxClaim&) = delete;

    // The claimed box, shown when it was claimed; null when no box of ours is shown.
    HWND Claim();

  private:
    bool TryClaim(HWND box);
    void Release();

    HWND m_box = nullptr;
    BoxClaim* m_next = nullptr;
    BoxClaim* m_previous = nullptr;
};

}  // namespace qml::ui
