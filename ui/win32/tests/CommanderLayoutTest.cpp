// The commander dialog's template as the window system builds it: what the
// user sees before any handler has run.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/ResourceIds.h"
#include "ui/win32/WindowText.h"
#include "ui/win32/tests/DialogWatcher.h"
#include "ui/win32/tests/TemplateDialog.h"

namespace pivlon::win32 {
namespace {

using testing::TemplateDialog;

struct Control {
    int id;
    const wchar_t* className;
    const wchar_t* text;  // null: not checked (fields and the tab control)
    bool visible;
    bool enabled;
    LONG style;  // bits that must be set
};

constexpr int kLabel = -1;  // labels without an ID of their own
constexpr LONG kGroupStart = WS_GROUP | WS_TABSTOP;

// In layout order, which is the tab order and the z-order.
const std::vector<Control> kControls{
    {kLabel, L"Static", L"ＭＬ名", true, true, 0},
    {IDC_LIST_NAME, L"ComboBox", nullptr, true, true, CBS_DROPDOWNLIST | WS_TABSTOP},
    {kLabel, L"Static", L"ML一言紹介", true, true, 0},
    {IDC_DESCRIPTION, L"Edit", nullptr, true, true,
     ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP},
    {IDC_MAIL_ADDRESS, L"Edit", nullptr, true, true, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_SEND, L"Button", L"送信", true, true, BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDCANCEL, L"Button", L"終了", true, true, WS_TABSTOP},
    {kLabel, L"Static", L"ﾀｲﾌﾟ：", true, true, 0},
    {IDC_TYPE_LABEL, L"Static", L"", true, true, 0},
    {kLabel, L"Static", L"登録ﾒｰﾙｱﾄﾞﾚｽ", true, true, 0},
    {IDC_NO_SIGNATURE, L"Button", L"シグネチャを付けない", true, true,
     BS_AUTOCHECKBOX | WS_TABSTOP},
    {IDC_TEST, L"Button", L"テスト", false, true, 0},
    {IDC_JOIN, L"Button", L"入会する", false, true, BS_AUTORADIOBUTTON | kGroupStart},
    {IDC_LEAVE, L"Button", L"退会する", false, true, BS_AUTORADIOBUTTON},
    {IDC_PAUSE, L"Button", L"一時停止", false, true, BS_AUTORADIOBUTTON},
    {IDC_RESUME, L"Button", L"停止再開", false, true, BS_AUTORADIOBUTTON},
    {IDC_CHANGE_ADDRESS, L"Button", L"登録ｱﾄﾞﾚｽ変更", true, true, BS_AUTORADIOBUTTON},
    {IDC_NEW_ADDRESS_LABEL, L"Static", L"新ｱﾄﾞﾚｽ", true, false, WS_GROUP},
    {IDC_NEW_ADDRESS, L"Edit", nullptr, true, false, ES_AUTOHSCROLL},
    {IDC_SPECIFY_ADDRESS, L"Button", L"登録ﾒｰﾙｱﾄﾞﾚｽを指定", false, true, BS_AUTOCHECKBOX},
    {IDC_MEMBER_NUMBER_LABEL, L"Static", L"会員番号", false, true, 0},
    {IDC_MEMBER_NUMBER, L"Edit", nullptr, false, true, ES_AUTOHSCROLL},
    {IDC_PASSWORD_LABEL, L"Static", L"ﾊﾟｽﾜｰﾄﾞ", false, true, 0},
    {IDC_PASSWORD, L"Edit", nullptr, false, true, ES_AUTOHSCROLL},
    {IDC_HELP, L"Button", L"ヘルプを取得する", false, true, BS_AUTORADIOBUTTON | kGroupStart},
    {IDC_INDEX, L"Button", L"過去のメールの一覧を取得する", false, true, BS_AUTORADIOBUTTON},
    {IDC_GET, L"Button", L"過去のメールを取得する", false, true, BS_AUTORADIOBUTTON},
    {IDC_MAIL_NUMBERS_LABEL, L"Static", L"メール番号", false, true, WS_GROUP},
    {IDC_MAIL_NUMBERS, L"Edit", nullptr, false, false, ES_AUTOHSCROLL},
    {IDC_MAIL_NUMBERS_HINT, L"Static", L"例 1,2,3  1-3  1,3 等", false, true, 0},
    {IDC_DIGEST_JOIN, L"Button", L"入会する", false, true, BS_AUTORADIOBUTTON | kGroupStart},
    {IDC_DIGEST_LEAVE, L"Button", L"退会する", false, true, BS_AUTORADIOBUTTON},
    {IDC_PARAMETER_LABEL, L"Static", L"ﾊﾟﾗﾒｰﾀ", false, true, WS_GROUP},
    {IDC_PARAMETER, L"Edit", nullptr, false, true, ES_AUTOHSCROLL},
    {IDC_TABS, WC_TABCONTROLW, nullptr, true, true, WS_CLIPSIBLINGS | WS_TABSTOP},
};

class CommanderLayoutTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(dialog_.CreateModeless(nullptr), nullptr); }

    std::vector<HWND> Children() const {
        std::vector<HWND> children;
        for (HWND child = GetWindow(dialog_.Window(), GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            children.push_back(child);
        }
        return children;
    }

    TemplateDialog dialog_{IDD_COMMANDER};
};

TEST_F(CommanderLayoutTest, ControlsStandInLayoutOrderWithTheirKindsTextsAndStates) {
    const std::vector<HWND> children = Children();
    ASSERT_EQ(children.size(), kControls.size());
    for (size_t i = 0; i < kControls.size(); ++i) {
        const Control& expected = kControls[i];
        HWND child = children[i];
        SCOPED_TRACE(::testing::Message() << "control " << i << ", ID " << expected.id);
        const LONG style = static_cast<LONG>(GetWindowLongPtrW(child, GWL_STYLE));
        EXPECT_EQ(static_cast<SHORT>(GetDlgCtrlID(child)), expected.id);
        EXPECT_EQ(testing::ClassOf(child), expected.className);
        if (expected.text != nullptr) {
            EXPECT_EQ(WindowText(child), expected.text);
        }
        EXPECT_EQ((style & WS_VISIBLE) != 0, expected.visible);
        EXPECT_EQ(IsWindowEnabled(child) != FALSE, expected.enabled);
        EXPECT_EQ(style & expected.style, expected.style);
    }
}

TEST_F(CommanderLayoutTest, OnlyTheFirstButtonOfEachOptionGroupStartsAGroup) {
    for (int id : {IDC_LEAVE, IDC_PAUSE, IDC_RESUME, IDC_CHANGE_ADDRESS, IDC_INDEX, IDC_GET,
                   IDC_DIGEST_LEAVE}) {
        const LONG_PTR style = GetWindowLongPtrW(GetDlgItem(dialog_.Window(), id), GWL_STYLE);
        EXPECT_FALSE(style & WS_GROUP) << id;
        EXPECT_FALSE(style & WS_TABSTOP) << id;
    }
}

TEST_F(CommanderLayoutTest, DescriptionWrapsNoLinesAndThePasswordShowsInClear) {
    HWND description = GetDlgItem(dialog_.Window(), IDC_DESCRIPTION);
    EXPECT_FALSE(GetWindowLongPtrW(description, GWL_STYLE) & ES_AUTOVSCROLL);
    EXPECT_EQ(SendMessageW(GetDlgItem(dialog_.Window(), IDC_PASSWORD), EM_GETPASSWORDCHAR, 0, 0),
              0);
}

TEST_F(CommanderLayoutTest, WindowIsAFixedDialogWithMinimizeBoxAndItsOwnTaskbarButton) {
    HWND window = dialog_.Window();
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR extended = GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_EQ(WindowText(window), L"pivlon Commander");
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(extended & WS_EX_DLGMODALFRAME);
    EXPECT_TRUE(extended & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
}

TEST_F(CommanderLayoutTest, ClientAreaIs199By245DialogUnits) {
    RECT expected{0, 0, 199, 245};
    MapDialogRect(dialog_.Window(), &expected);
    RECT client{};
    GetClientRect(dialog_.Window(), &client);
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
}

TEST_F(CommanderLayoutTest, WindowIsCentredOnTheScreen) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(dialog_.Window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame{};
    GetWindowRect(dialog_.Window(), &frame);
    EXPECT_NEAR(frame.left + frame.right, monitor.rcWork.left + monitor.rcWork.right, 1);
    EXPECT_NEAR(frame.top + frame.bottom, monitor.rcWork.top + monitor.rcWork.bottom, 1);
}

std::wstring MenuText(HMENU menu, UINT position) {
    wchar_t text[64]{};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

TEST_F(CommanderLayoutTest, MenuBarOffersExitAndTheSenderLocation) {
    HMENU bar = GetMenu(dialog_.Window());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(MenuText(bar, 0), L"ﾌｧｲﾙ(&F)");
    EXPECT_EQ(MenuText(bar, 1), L"設定(&S)");

    HMENU file = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(file), 1);
    EXPECT_EQ(MenuText(file, 0), L"ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)");
    EXPECT_EQ(GetMenuItemID(file, 0), static_cast<UINT>(IDCANCEL));

    HMENU settings = GetSubMenu(bar, 1);
    ASSERT_EQ(GetMenuItemCount(settings), 1);
    EXPECT_EQ(MenuText(settings, 0), L"Dravexの指定(&A)");
    EXPECT_EQ(GetMenuItemID(settings, 0), static_cast<UINT>(IDM_CHOOSE_SENDER));
}

}  // namespace
}  // namespace pivlon::win32
