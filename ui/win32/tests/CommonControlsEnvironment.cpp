// Every test here makes dialogs with a tab control, as the program does once
// its start-up has registered the common control classes.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

namespace pivlon::win32 {
namespace {

class CommonControlsEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&controls));
    }
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new CommonControlsEnvironment);

}  // namespace
}  // namespace pivlon::win32
