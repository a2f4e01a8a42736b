#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/win32/ChildProcess.h"
#include "tests/support/win32/Standins.h"

namespace pivlon::testing {
namespace {

constexpr DWORD kPatienceMs = 10000;

TEST(MailClientStandinTest, KeepsAVisibleKopostWindowUntilClosed) {
    const std::wstring program = StandinPath(kMailClientProgram);
    ChildProcess client(program, program);
    ASSERT_TRUE(client.Started());
    ASSERT_TRUE(client.WaitForInputIdle(kPatienceMs));

    HWND window = client.WaitForWindow(L"kopost", kPatienceMs);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetAncestor(window, GA_ROOT), window);
    EXPECT_NE(FindWindowW(L"kopost", nullptr), nullptr);

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(client.WaitForExit(kPatienceMs), 0u);
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace pivlon::testing
