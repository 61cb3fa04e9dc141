// The suites' entry; started with --foreign-window the program plays the other process of the
// message-box suite instead.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "foreign_window.h"

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "--foreign-window") == 0)
        return qml_test::RunForeignWindow(argv[2], argv[3], argv[4]);
    // Unbuffered, so that a run stopped from outside still shows how far it got.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
