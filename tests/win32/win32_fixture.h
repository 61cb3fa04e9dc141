// A French language directory for the Windows suites, and helpers over real windows.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "quorvel/multilanguage.h"
#include "support/test_support.h"

namespace qml_test {

class FrenchOnWindows : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A window of the class with the text and style; a child of parent when there is one.
    static HWND Create(const char* className, const char* text, HWND parent, DWORD style = 0);
    static std::string Text(HWND window);

    TempDir m_dir;
};

// The name of a window class of this program whose windows do nothing of their own.
const char* PlainWindowClass();

}  // namespace qml_test
