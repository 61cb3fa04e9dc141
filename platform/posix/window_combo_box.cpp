// Combo boxes: an unsorted list of items and a selection, served through the CB_ messages.
#include "platform/posix/window_system.h"

#include <cstdint>
#include <cstring>

#include "platform/os.h"

namespace qml::os {

namespace posix {

namespace {

// An item index travels in wParam; the combo box reads its low 32 bits as a signed int, so -1
// arrives as -1 whether it was widened as a signed or an unsigned value.
int IndexOf(WPARAM wParam) {
    return static_cast<int>(static_cast<std::uint32_t>(wParam));
}

bool IsItem(const ComboBoxState& comboBox, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < comboBox.items.size();
}

int Count(const ComboBoxState& comboBox) {
    return static_cast<int>(comboBox.items.size());
}

const char* TextOf(LPARAM lParam) {
    const char* text = reinterpret_cast<const char*>(lParam);
    return text ? text : "";
}

LRESULT Insert(ComboBoxState& comboBox, int index, LPARAM lParam) {
    if (index == -1) index = Count(comboBox);
    if (index < 0 || index > Count(comboBox)) return CB_ERR;
    comboBox.items.insert(comboBox.items.begin() + index, TextOf(lParam));
    // The selection stays on the item it was on.
    if (comboBox.selection >= index) ++comboBox.selection;
    return index;
}

LRESULT Delete(ComboBoxState& comboBox, int index) {
    if (!IsItem(comboBox, index)) return CB_ERR;
    comboBox.items.erase(comboBox.items.begin() + index);
    if (comboBox.selection == index)
        comboBox.selection = CB_ERR;
    else if (comboBox.selection > index)
        --comboBox.selection;
    return Count(comboBox);
}

LRESULT Select(ComboBoxState& comboBox, std::string& text, int index) {
    if (!IsItem(comboBox, index)) {
        comboBox.selection = CB_ERR;
        text.clear();
        return CB_ERR;
    }
    comboBox.selection = index;
    text = comboBox.items[static_cast<std::size_t>(index)];
    return index;
}

}  // namespace

bool IsComboBoxMessage(UINT message) {
    switch (message) {
        case CB_ADDSTRING:
        case CB_DELETESTRING:
        case CB_GETCOUNT:
        case CB_GETCURSEL:
        case CB_GETLBTEXT:
        case CB_GETLBTEXTLEN:
        case CB_INSERTSTRING:
        case CB_RESETCONTENT:
        case CB_SETCURSEL:
            return true;
        default:
            return false;
    }
}

LRESULT HandleComboBoxMessage(ComboBoxState& comboBox, std::string& text, UINT message, WPARAM wParam,
                              LPARAM lParam) {
    int index = IndexOf(wParam);
    switch (message) {
        case CB_ADDSTRING:
            return Insert(comboBox, -1, lParam);
        case CB_INSERTSTRING:
            return Insert(comboBox, index, lParam);
        case CB_DELETESTRING:
            return Delete(comboBox, index);
        case CB_GETCOUNT:
            return Count(comboBox);
        case CB_GETCURSEL:
            return comboBox.selection;
        case CB_GETLBTEXTLEN:
            return IsItem(comboBox, index)
                       ? static_cast<LRESULT>(comboBox.items[static_cast<std::size_t>(index)].size())
                       : CB_ERR;
        case CB_GETLBTEXT: {
            // The caller's buffer holds CB_GETLBTEXTLEN + 1 bytes by contract: the message carries
            // no size to bound the copy by.
            char* buffer = reinterpret_cast<char*>(lParam);
            if (!IsItem(comboBox, index) || !buffer) return CB_ERR;
            const std::string& item = comboBox.items[static_cast<std::size_t>(index)];
            std::memcpy(buffer, item.c_str(), item.size() + 1);
            return static_cast<LRESULT>(item.size());
        }
        case CB_SETCURSEL:
            return Select(comboBox, text, index);
        case CB_RESETCONTENT:
            comboBox.items.clear();
            comboBox.selection = CB_ERR;
            text.clear();
            return CB_OKAY;
        default:
            return 0;
    }
}

}  // namespace posix

int GetComboBoxItemText(HWND comboBox, int index, std::string& text) {
    text.clear();
    posix::WindowTable& table = posix::WindowTable::Instance();
    auto lock = table.Lock();
    posix::Window* window = table.FindLive(comboBox);
    if (!window) return 0;
    if (!window->comboBox) return 0;
    if (!posix::IsItem(*window->comboBox, index)) return CB_ERR;
    text = window->comboBox->items[static_cast<std::size_t>(index)];
    return static_cast<int>(text.size());
}

}  // namespace qml::os
