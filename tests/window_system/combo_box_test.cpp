// Combo boxes through their messages: results, error results, the selection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_fixture.h"

using qml_test::ScopedWindow;
using qml_test::TextOf;

namespace {

std::vector<std::string> Items(HWND comboBox) {
    std::vector<std::string> items;
    LRESULT count = quorvel::SendMessageA(comboBox, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string item(static_cast<size_t>(quorvel::SendMessageA(comboBox, CB_GETLBTEXTLEN, i, 0)) + 1,
                         '\0');
        quorvel::SendMessageA(comboBox, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&item[0]));
        item.resize(item.size() - 1);
        items.push_back(item);
    }
    return items;
}

struct Step {
    UINT message;
    WPARAM wParam;
    const char* text;  // lParam
    LRESULT result;
    std::vector<std::string> items;  // afterwards
    int selection;                   // afterwards
};

constexpr WPARAM kMinusOne = static_cast<WPARAM>(-1);

TEST(ComboBox, MessagesKeepItemsInPlaceAndAnswerLikeTheSystem) {
    ScopedWindow comboBox("ComboBox", "");
    const Step steps[] = {
        {CB_GETCOUNT, 0, nullptr, 0, {}, CB_ERR},
        {CB_ADDSTRING, 0, "Yes", 0, {"Yes"}, CB_ERR},
        {CB_ADDSTRING, 0, "No", 1, {"Yes", "No"}, CB_ERR},
        {CB_INSERTSTRING, kMinusOne, "Cancel", 2, {"Yes", "No", "Cancel"}, CB_ERR},
        {CB_INSERTSTRING, 1, "Maybe", 1, {"Yes", "Maybe", "No", "Cancel"}, CB_ERR},
        {CB_INSERTSTRING, 0, "First", 0, {"First", "Yes", "Maybe", "No", "Cancel"}, CB_ERR},
        {CB_INSERTSTRING, 6, "Far", CB_ERR, {"First", "Yes", "Maybe", "No", "Cancel"}, CB_ERR},
        {CB_INSERTSTRING,
         static_cast<WPARAM>(-2),
         "Negative",
         CB_ERR,
         {"First", "Yes", "Maybe", "No", "Cancel"},
         CB_ERR},
        {CB_INSERTSTRING, 5, "Last", 5, {"First", "Yes", "Maybe", "No", "Cancel", "Last"}, CB_ERR},
        {CB_DELETESTRING, 5, nullptr, 5, {"First", "Yes", "Maybe", "No", "Cancel"}, CB_ERR},
        {CB_DELETESTRING, 5, nullptr, CB_ERR, {"First", "Yes", "Maybe", "No", "Cancel"}, CB_ERR},
        {CB_DELETESTRING, kMinusOne, nullptr, CB_ERR, {"First", "Yes", "Maybe", "No", "Cancel"}, CB_ERR},
        {CB_DELETESTRING, 0, nullptr, 4, {"Yes", "Maybe", "No", "Cancel"}, CB_ERR},
        {CB_GETCOUNT, 0, nullptr, 4, {"Yes", "Maybe", "No", "Cancel"}, CB_ERR},
        {CB_GETLBTEXTLEN, 1, nullptr, 5, {"Yes", "Maybe", "No", "Cancel"}, CB_ERR},
        {CB_GETLBTEXTLEN, 4, nullptr, CB_ERR, {"Yes", "Maybe", "No", "Cancel"}, CB_ERR},
        {CB_GETLBTEXTLEN, kMinusOne, nullptr, CB_ERR, {"Yes", "Maybe", "No", "Cancel"}, CB_ERR},
        // The selection follows its item when items are inserted or deleted before it.
        {CB_SETCURSEL, 2, nullptr, 2, {"Yes", "Maybe", "No", "Cancel"}, 2},
        {CB_INSERTSTRING, 0, "Top", 0, {"Top", "Yes", "Maybe", "No", "Cancel"}, 3},
        {CB_DELETESTRING, 1, nullptr, 4, {"Top", "Maybe", "No", "Cancel"}, 2},
        {CB_DELETESTRING, 3, nullptr, 3, {"Top", "Maybe", "No"}, 2},
        {CB_DELETESTRING, 2, nullptr, 2, {"Top", "Maybe"}, CB_ERR},
        {CB_SETCURSEL, 1, nullptr, 1, {"Top", "Maybe"}, 1},
        {CB_SETCURSEL, 2, nullptr, CB_ERR, {"Top", "Maybe"}, CB_ERR},
        {CB_SETCURSEL, 0, nullptr, 0, {"Top", "Maybe"}, 0},
        {CB_SETCURSEL, kMinusOne, nullptr, CB_ERR, {"Top", "Maybe"}, CB_ERR},
        {CB_ADDSTRING, 0, nullptr, 2, {"Top", "Maybe", ""}, CB_ERR},
        {CB_RESETCONTENT, 0, nullptr, CB_OKAY, {}, CB_ERR},
        {CB_DELETESTRING, 0, nullptr, CB_ERR, {}, CB_ERR},
        {CB_SETCURSEL, 0, nullptr, CB_ERR, {}, CB_ERR},
    };
    int number = 0;
    for (const Step& step : steps) {
        ++number;
        LRESULT result =
            quorvel::SendMessageA(comboBox, step.message, step.wParam, reinterpret_cast<LPARAM>(step.text));
        EXPECT_EQ(result, step.result) << "step " << number;
        EXPECT_EQ(Items(comboBox), step.items) << "step " << number;
        EXPECT_EQ(quorvel::SendMessageA(comboBox, CB_GETCURSEL, 0, 0), step.selection) << "step " << number;
    }
}

TEST(ComboBox, IndexIsReadFromTheLow32BitsOfWParam) {
    ScopedWindow comboBox("ComboBox", "");
    quorvel::SendMessageA(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
    WPARAM minusOneAsUnsigned = static_cast<WPARAM>(static_cast<unsigned int>(-1));
    EXPECT_EQ(
        quorvel::SendMessageA(comboBox, CB_INSERTSTRING, minusOneAsUnsigned, reinterpret_cast<LPARAM>("b")),
        1);
    EXPECT_EQ(Items(comboBox), (std::vector<std::string>{"a", "b"}));
}

TEST(ComboBox, GetItemTextFailsForABadIndexOrNoBuffer) {
    ScopedWindow comboBox("ComboBox", "");
    quorvel::SendMessageA(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Only"));
    char buffer[16] = "untouched";
    EXPECT_EQ(quorvel::SendMessageA(comboBox, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(buffer)), CB_ERR);
    EXPECT_EQ(quorvel::SendMessageA(comboBox, CB_GETLBTEXT, kMinusOne, reinterpret_cast<LPARAM>(buffer)),
              CB_ERR);
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_EQ(quorvel::SendMessageA(comboBox, CB_GETLBTEXT, 0, 0), CB_ERR);
    EXPECT_EQ(quorvel::SendMessageA(comboBox, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 4);
    EXPECT_STREQ(buffer, "Only");
}

TEST(ComboBox, OwnTextFollowsTheSelection) {
    ScopedWindow comboBox("ComboBox", "typed");
    for (const char* item : {"English", "French"})
        quorvel::SendMessageA(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(TextOf(comboBox), "typed");
    quorvel::SendMessageA(comboBox, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(TextOf(comboBox), "French");
    quorvel::SendMessageA(comboBox, CB_SETCURSEL, 5, 0);
    EXPECT_EQ(TextOf(comboBox), "");
    quorvel::SendMessageA(comboBox, CB_SETCURSEL, 0, 0);
    quorvel::SendMessageA(comboBox, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(TextOf(comboBox), "");
}

TEST(ComboBox, OnlyComboBoxesServeComboBoxMessages) {
    ScopedWindow list("ListBox", "");
    EXPECT_EQ(quorvel::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x")), 0);
    EXPECT_EQ(quorvel::SendMessageA(list, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(quorvel::SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
    ScopedWindow anyCase("combobox", "");
    EXPECT_EQ(quorvel::SendMessageA(anyCase, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x")), 0);
    EXPECT_EQ(quorvel::SendMessageA(anyCase, CB_GETCOUNT, 0, 0), 1);
}

}  // namespace
