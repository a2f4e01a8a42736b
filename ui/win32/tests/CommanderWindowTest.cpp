// The commander window's routing: each window message reaches the handler it
// belongs to. What the handlers then do is the core's and tested there.
#include "ui/win32/CommanderWindow.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/win32/ScopedCurrentDirectory.h"
#include "tests/support/win32/ScratchFolder.h"
#include "ui/ResourceIds.h"
#include "ui/win32/WindowText.h"
#include "ui/win32/tests/DialogWatcher.h"

namespace pivlon::win32 {
namespace {

using testing::DialogWatcher;

const std::string kCatalog =
    "[alpha]\r\nType=1\r\nTo=majordomo@example.jp\r\nInfo1=first\r\n"
    "[beta]\r\nType=2\r\nTo=beta-ctl@example.jp\r\nInfo1=second\r\n"
    "[gamma]\r\nType=3\r\nTo=gamma-ctl@example.jp\r\nInfo1=third\r\n";

bool IsAboutBox(HWND box) {
    return GetDlgItem(box, IDC_ABOUT_VERSION) != nullptr;
}

class CommanderWindowTest : public ::testing::Test {
  public:
    void SetUp() override { folder_.Write("Pivlon.dat", kCatalog); }

    // Opens the window; every dialog box it opens meanwhile or later goes to Answer.
    void Open() {
        watcher_ = std::make_unique<DialogWatcher>([this](HWND box) { Answer(box); });
        ASSERT_NE(window_.CreateModeless(nullptr), nullptr);
    }

    void Answer(HWND box) {
        if (testing::IsMessageBox(box)) {
            messages_.push_back(testing::ReadMessageBox(box).text);
            testing::PostClick(box, IDOK);
        } else if (IsAboutBox(box)) {
            ++aboutBoxes_;
            testing::PostClick(box, IDOK);
        } else if (box != window_.Window() && onOtherDialog_) {
            onOtherDialog_(box);
        }
    }

    HWND Window() const { return window_.Window(); }
    HWND Control(int id) const { return GetDlgItem(Window(), id); }
    LRESULT Command(int id, int code) {
        return SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(id, code),
                            reinterpret_cast<LPARAM>(Control(id)));
    }
    bool Shown(int id) const { return GetWindowLongPtrW(Control(id), GWL_STYLE) & WS_VISIBLE; }
    // Presses a key as the dialog's keyboard handling would receive it.
    void PressKey(WPARAM key) {
        MSG message{Control(IDC_LIST_NAME), WM_KEYDOWN, key, 0, 0, {}};
        IsDialogMessageW(Window(), &message);
    }

    pivlon::testing::ScratchFolder folder_;
    // The window finds its catalog and settings through the current directory.
    const pivlon::testing::ScopedCurrentDirectory inFolder_{folder_.Path()};
    CommanderWindow window_{GetModuleHandleW(nullptr), L"pivlon"};
    std::unique_ptr<DialogWatcher> watcher_;
    std::vector<std::wstring> messages_;
    int aboutBoxes_ = 0;
    std::function<void(HWND)> onOtherDialog_;
};

TEST_F(CommanderWindowTest, StartsWithTheFirstListLoadedAndTheFocusInTheListSelector) {
    Open();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(WindowText(Control(IDC_LIST_NAME)), L"alpha");
    EXPECT_EQ(WindowText(Control(IDC_TYPE_LABEL)), L"Majordomo");
    EXPECT_EQ(GetFocus(), Control(IDC_LIST_NAME));
    EXPECT_FALSE(Shown(IDC_TEST));
}

TEST_F(CommanderWindowTest, SystemMenuEndsWithASeparatorAndTheAboutItem) {
    Open();
    HMENU menu = GetSystemMenu(Window(), FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR, UINT{MF_SEPARATOR});
    EXPECT_EQ(GetMenuItemID(menu, count - 1), UINT{IDM_ABOUTBOX});
    wchar_t text[64]{};
    GetMenuStringW(menu, count - 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"ﾊﾞｰｼﾞｮﾝ情報(pivlon) (&A)...");
}

TEST_F(CommanderWindowTest, IconIsTheLargeAndSmallIconAndTheDragIcon) {
    Open();
    const auto icon = reinterpret_cast<LRESULT>(
        LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PIVLON)));
    ASSERT_NE(icon, 0);
    EXPECT_EQ(SendMessageW(Window(), WM_GETICON, ICON_BIG, 0), icon);
    EXPECT_EQ(SendMessageW(Window(), WM_GETICON, ICON_SMALL, 0), icon);
    EXPECT_EQ(SendMessageW(Window(), WM_QUERYDRAGICON, 0, 0), icon);
}

TEST_F(CommanderWindowTest, SystemCommands16To31OpenTheAboutBox) {
    Open();
    for (WPARAM command : {16, 17, 31}) {
        SendMessageW(Window(), WM_SYSCOMMAND, command, 0);
    }
    EXPECT_EQ(aboutBoxes_, 3);
    SendMessageW(Window(), WM_SYSCOMMAND, 32, 0);
    EXPECT_EQ(aboutBoxes_, 3);
    EXPECT_TRUE(IsWindow(Window()));
}

struct ClosePath {
    const char* name;
    std::function<void(CommanderWindowTest&)> close;
    friend void PrintTo(const ClosePath& path, std::ostream* out) { *out << path.name; }
};

class CommanderClosingTest : public CommanderWindowTest,
                             public ::testing::WithParamInterface<ClosePath> {};

TEST_P(CommanderClosingTest, EveryWayToCloseStoresTheMemberDataAndEnds) {
    Open();
    SetDlgItemTextW(Window(), IDC_MAIL_ADDRESS, L"me@example.jp");
    HWND window = Window();
    GetParam().close(*this);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_NE(folder_.Read("Pivlon.ini").find("[alpha]\r\nMailAddr=me@example.jp\r\n"),
              std::string::npos)
        << folder_.Read("Pivlon.ini");
}

INSTANTIATE_TEST_SUITE_P(
    ClosePaths, CommanderClosingTest,
    ::testing::Values(
        ClosePath{"ExitButton", [](auto& test) { test.Command(IDCANCEL, BN_CLICKED); }},
        ClosePath{"FileMenu",
                  [](auto& test) { SendMessageW(test.Window(), WM_COMMAND, IDCANCEL, 0); }},
        ClosePath{"EscapeKey", [](auto& test) { test.PressKey(VK_ESCAPE); }},
        ClosePath{"CloseBox",
                  [](auto& test) { SendMessageW(test.Window(), WM_SYSCOMMAND, SC_CLOSE, 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommanderWindowTest, ChoosingAnotherListSwitchesToIt) {
    Open();
    SetDlgItemTextW(Window(), IDC_MAIL_ADDRESS, L"left@example.jp");
    SendMessageW(Control(IDC_LIST_NAME), CB_SETCURSEL, 2, 0);
    Command(IDC_LIST_NAME, CBN_SELCHANGE);
    EXPECT_EQ(WindowText(Control(IDC_TYPE_LABEL)), L"CML");
    EXPECT_TRUE(Shown(IDC_MEMBER_NUMBER));
    EXPECT_NE(folder_.Read("Pivlon.ini").find("[alpha]\r\nMailAddr=left@example.jp\r\n"),
              std::string::npos);
}

TEST_F(CommanderWindowTest, ChangingTheTabShowsItsPage) {
    Open();
    SendMessageW(Control(IDC_TABS), TCM_SETCURFOCUS, 1, 0);
    EXPECT_TRUE(Shown(IDC_DIGEST_JOIN));
    EXPECT_FALSE(Shown(IDC_JOIN));
    SendMessageW(Control(IDC_TABS), TCM_SETCURFOCUS, 2, 0);
    EXPECT_TRUE(Shown(IDC_GET));
    EXPECT_FALSE(Shown(IDC_DIGEST_JOIN));
}

TEST_F(CommanderWindowTest, ClickingAnOptionAppliesTheEnableRules) {
    Open();
    SendMessageW(Control(IDC_CHANGE_ADDRESS), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_NEW_ADDRESS)));
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_NEW_ADDRESS_LABEL)));
    SendMessageW(Control(IDC_TABS), TCM_SETCURFOCUS, 2, 0);
    SendMessageW(Control(IDC_GET), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_MAIL_NUMBERS)));
}

TEST_F(CommanderWindowTest, SendButtonAndEnterSend) {
    Open();
    Command(IDC_SEND, BN_CLICKED);
    PressKey(VK_RETURN);
    // No mail client runs here, so each send stops at its check.
    EXPECT_EQ(messages_, (std::vector<std::wstring>(2, L"Ko-Postを起動してから送信して下さい")));
}

TEST_F(CommanderWindowTest, TestButtonWritesTheDump) {
    Open();
    Command(IDC_TEST, BN_CLICKED);
    EXPECT_TRUE(folder_.Exists("debug.txt"));
}

TEST_F(CommanderWindowTest, SenderMenuItemStoresTheChosenPath) {
    Open();
    onOtherDialog_ = [](HWND box) {
        SetDlgItemTextW(box, IDC_SENDER_PATH, L"C:\\送信ソフト\\DRAVEX.EXE");
        testing::PostClick(box, IDOK);
    };
    Command(IDM_CHOOSE_SENDER, 0);
    // "C:\送信ソフト\DRAVEX.EXE": ソ ends in a backslash byte.
    EXPECT_NE(folder_.Read("Pivlon.ini")
                  .find("[Pivlon]\r\nDravex=\x43\x3a\x5c\x91\x97\x90\x4d\x83\x5c\x83\x74\x83\x67"
                        "\x5c\x44\x52\x41\x56\x45\x58\x2e\x45\x58\x45\r\n"),
              std::string::npos);
}

TEST_F(CommanderWindowTest, AMissingCatalogIsReportedOnceAtStart) {
    std::filesystem::remove(folder_.Path() / "Pivlon.dat");
    Open();
    EXPECT_EQ(messages_,
              (std::vector<std::wstring>{L"設定ファイルに異常があります\n作者に連絡して下さい"}));
    EXPECT_TRUE(IsWindow(Window()));
}

}  // namespace
}  // namespace pivlon::win32
