// Start-up and shutdown of the library inside its host.
#include <gtest/gtest.h>

#include <string>

#include "module/module_instance.h"
#include "quorvel/multilanguage.h"

namespace {

TEST(ModuleStart, RecordsTheModuleHandleAndRefusesANullOne) {
    const HINSTANCE recorded = qml::ModuleInstance();
    ASSERT_NE(recorded, nullptr) << "start-up ran before the program";
    // A null handle fails the load and records nothing.
    EXPECT_FALSE(qml::StartModule(nullptr));
    EXPECT_EQ(qml::ModuleInstance(), recorded);
    EXPECT_TRUE(qml::StartModule(recorded));
    EXPECT_EQ(qml::ModuleInstance(), recorded);
}

// The converter keeps the last text it converted; the one after shutdown holds none.
TEST(ModuleStart, ShutdownDeletesTheConverterAndAFreshOneFollows) {
    _enum_language_type system = LANGUAGE_TYPE_GB;
    int on = 1;
    SetGBAndBig5_Para(&system, &on);
    ASSERT_NE(CGBAndBig5::GetInstance(), nullptr);
    EXPECT_EQ(std::string(Big2Gb("\xA4\xA4")), "\xD6\xD0");
    EXPECT_EQ(std::string(CGBAndBig5::GetInstance()->GetText()), "\xD6\xD0");
    qml::StopModule();
    ASSERT_NE(CGBAndBig5::GetInstance(), nullptr);
    EXPECT_EQ(std::string(CGBAndBig5::GetInstance()->GetText()), "") << "the converter outlived the shutdown";
    // The converter is made again at its next use, with its tables.
    EXPECT_EQ(std::string(Big2Gb("\xA4\xE5")), "\xCE\xC4");
    qml::StopModule();
    qml::StopModule();  // twice is harmless
    EXPECT_EQ(std::string(CGBAndBig5::GetInstance()->GetText()), "");
    SetGBAndBig5_Para(nullptr, nullptr);
}

}  // namespace
