// CWnd and CComboBox over window handles.
#include <gtest/gtest.h>

#include "quorvel/framework.h"
#include "window_fixture.h"

using qml_test::ScopedWindow;
using qml_test::TextOf;

namespace {

TEST(FrameworkWindow, FromHandleKeepsOneObjectPerHandle) {
    ScopedWindow label("Static", "Label");
    ScopedWindow comboBox("combobox", "");
    CWnd* object = CWnd::FromHandle(label);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object, CWnd::FromHandle(label));
    EXPECT_EQ(object->GetSafeHwnd(), label.get());
    EXPECT_EQ(dynamic_cast<CComboBox*>(object), nullptr);
    // A combo box's object is a CComboBox, so the usual downcast is sound.
    auto* box = dynamic_cast<CComboBox*>(CWnd::FromHandle(comboBox));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->AddString("item"), 0);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
}

TEST(FrameworkWindow, ObjectsOfDestroyedWindowsStaySafeToUse) {
    HWND window = quorvel::CreateWindow("Static", "short-lived", nullptr);
    CWnd* object = CWnd::FromHandle(window);
    quorvel::DestroyWindow(window);
    EXPECT_EQ(CWnd::FromHandle(window), object);
    CString text("stale");
    object->GetWindowText(text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(object->GetWindowTextLength(), 0);
    object->SetWindowText("ignored");
    CComboBox detached;
    EXPECT_EQ(detached.GetCount(), 0);
    detached.GetLBText(0, text);
    EXPECT_EQ(text, "");
}

TEST(FrameworkWindow, AttachAndDetachNeverTouchTheWindow) {
    ScopedWindow label("Static", "Label");
    {
        CWnd object;
        EXPECT_EQ(object.Attach(nullptr), FALSE);
        EXPECT_EQ(object.Attach(label), TRUE);
        EXPECT_EQ(object.Attach(label), FALSE);  // already attached
        EXPECT_EQ(object.GetSafeHwnd(), label.get());
        EXPECT_EQ(object.Detach(), label.get());
        EXPECT_EQ(object.m_hWnd, nullptr);
        EXPECT_EQ(object.Attach(label), TRUE);
    }
    EXPECT_EQ(quorvel::IsWindow(label), TRUE);
    EXPECT_EQ(TextOf(label), "Label");
}

TEST(FrameworkWindow, TextsThroughTheObject) {
    ScopedWindow label("Static", "");
    CWnd object(label);
    CString text("stale");
    object.GetWindowText(text);
    EXPECT_EQ(text, "");

    object.SetWindowText("Browse...");
    EXPECT_EQ(TextOf(label), "Browse...");
    EXPECT_EQ(object.GetWindowTextLength(), 9);
    object.GetWindowText(text);
    EXPECT_EQ(text, "Browse...");

    char buffer[8] = {};
    EXPECT_EQ(object.GetWindowText(buffer, 7), 6);
    EXPECT_STREQ(buffer, "Browse");
    object.SetWindowText(nullptr);
    EXPECT_EQ(TextOf(label), "");

    CWnd nothing;
    nothing.GetWindowText(text);
    EXPECT_EQ(text, "");
}

TEST(FrameworkWindow, ComboBoxMembers) {
    ScopedWindow handle("ComboBox", "");
    CComboBox comboBox(handle);
    EXPECT_EQ(comboBox.GetCount(), 0);
    EXPECT_EQ(comboBox.GetCurSel(), CB_ERR);
    EXPECT_EQ(comboBox.AddString("Yes"), 0);
    EXPECT_EQ(comboBox.AddString("Cancel"), 1);
    EXPECT_EQ(comboBox.InsertString(1, "No"), 1);
    EXPECT_EQ(comboBox.InsertString(-1, "Help"), 3);
    EXPECT_EQ(comboBox.InsertString(9, "Far"), CB_ERR);
    EXPECT_EQ(comboBox.GetCount(), 4);

    CString item;
    comboBox.GetLBText(1, item);
    EXPECT_EQ(item, "No");
    char buffer[16] = {};
    EXPECT_EQ(comboBox.GetLBText(2, buffer), 6);
    EXPECT_STREQ(buffer, "Cancel");
    EXPECT_EQ(comboBox.GetLBTextLen(3), 4);
    EXPECT_EQ(comboBox.GetLBTextLen(4), CB_ERR);
    comboBox.GetLBText(4, item);
    EXPECT_EQ(item, "");

    EXPECT_EQ(comboBox.SetCurSel(2), 2);
    EXPECT_EQ(comboBox.GetCurSel(), 2);
    EXPECT_EQ(TextOf(handle), "Cancel");
    EXPECT_EQ(comboBox.DeleteString(3), 3);
    EXPECT_EQ(comboBox.DeleteString(static_cast<unsigned int>(-1)), CB_ERR);
    EXPECT_EQ(comboBox.SetCurSel(7), CB_ERR);
    EXPECT_EQ(comboBox.GetCurSel(), CB_ERR);
    comboBox.ResetContent();
    EXPECT_EQ(comboBox.GetCount(), 0);
}

}  // namespace
