#include "ui/win32/AboutDialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "ui/ResourceIds.h"
#include "ui/win32/WindowText.h"
#include "ui/win32/tests/DialogWatcher.h"

namespace pivlon::win32 {
namespace {

using testing::DialogWatcher;

struct Closing {
    const char* name;
    std::function<void(HWND)> close;
    INT_PTR result;
    friend void PrintTo(const Closing& closing, std::ostream* out) { *out << closing.name; }
};

class AboutDialogTest : public ::testing::TestWithParam<Closing> {};

TEST_P(AboutDialogTest, ShowsVersionNoticeAndIconUntilClosed) {
    std::wstring caption;
    std::wstring version;
    std::wstring notice;
    HICON icon = nullptr;
    DialogWatcher watcher([&](HWND box) {
        caption = WindowText(box);
        version = WindowText(GetDlgItem(box, IDC_ABOUT_VERSION));
        notice = WindowText(GetDlgItem(box, IDC_ABOUT_NOTICE));
        icon = reinterpret_cast<HICON>(SendMessageW(GetWindow(box, GW_CHILD), STM_GETICON, 0, 0));
        GetParam().close(box);
    });
    AboutDialog dialog(GetModuleHandleW(nullptr));
    EXPECT_EQ(dialog.RunModal(nullptr), GetParam().result);
    EXPECT_EQ(caption, L"ﾊﾞｰｼﾞｮﾝ情報 pivlon");
    EXPECT_EQ(version, L"Pivlon Version 1.3");
    EXPECT_EQ(notice, L"ﾒｰﾘﾝｸﾞﾘｽﾄ ｺﾏﾝﾄﾞﾒｰﾙ作成ﾂｰﾙ");
    EXPECT_NE(icon, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    WaysToClose, AboutDialogTest,
    ::testing::Values(
        Closing{"OkButton", [](HWND box) { testing::PostClick(box, IDOK); }, IDOK},
        Closing{"EscapeKey",
                [](HWND box) { PostMessageW(GetDlgItem(box, IDOK), WM_KEYDOWN, VK_ESCAPE, 0); },
                IDCANCEL},
        Closing{"CloseBox", [](HWND box) { PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); },
                IDCANCEL}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pivlon::win32
