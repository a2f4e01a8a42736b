#include "ui/win32/Win32DialogHost.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <array>
#include <string>

#include "ui/ResourceIds.h"
#include "ui/win32/WindowText.h"
#include "ui/win32/tests/TemplateDialog.h"

namespace pivlon::win32 {
namespace {

using testing::TemplateDialog;

// "山田 太郎 ﾃｽﾄ": full-width and half-width forms.
const std::string kName = "\x8e\x52\x93\x63\x20\x91\xbe\x98\x59\x20\xc3\xbd\xc4";
// "表示": the second byte of 表 is a backslash.
const std::string kTrailBackslash = "\x95\x5c\x8e\xa6";
// "釣り好き"
const std::string kListName = "\x92\xde\x82\xe8\x8d\x44\x82\xab";

class Win32DialogHostTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(dialog_.CreateModeless(nullptr), nullptr); }

    HWND Control(int id) const { return GetDlgItem(dialog_.Window(), id); }
    LONG_PTR Style(int id) const { return GetWindowLongPtrW(Control(id), GWL_STYLE); }

    TemplateDialog dialog_{IDD_COMMANDER};
    Win32DialogHost host_{dialog_, L"pivlon"};
};

TEST_F(Win32DialogHostTest, TextsCrossAsShiftJisAndShowAsJapanese) {
    for (const std::string& text : {kName, kTrailBackslash, std::string()}) {
        host_.SetText(IDC_MAIL_ADDRESS, text);
        EXPECT_EQ(host_.Text(IDC_MAIL_ADDRESS), text);
    }
    host_.SetText(IDC_TYPE_LABEL, kName);
    EXPECT_EQ(WindowText(Control(IDC_TYPE_LABEL)), L"山田 太郎 ﾃｽﾄ");
}

TEST_F(Win32DialogHostTest, TextsOfAnyLengthComeBackWhole) {
    std::string lines;
    while (lines.size() < 100000)
        lines += kName + "\r\n";
    host_.SetText(IDC_DESCRIPTION, lines);
    EXPECT_EQ(host_.Text(IDC_DESCRIPTION), lines);
}

TEST_F(Win32DialogHostTest, ListSelectorTextIsItsSelectedEntry) {
    EXPECT_EQ(host_.ListEntryCount(), 0);
    EXPECT_EQ(host_.Text(IDC_LIST_NAME), "");
    for (const std::string& name :
         {std::string("red"), std::string("green"), kListName, std::string("blue")}) {
        host_.AddListEntry(name);
    }
    ASSERT_EQ(host_.ListEntryCount(), 4);
    EXPECT_EQ(host_.ListEntry(0), "red");
    EXPECT_EQ(host_.ListEntry(2), kListName);
    EXPECT_EQ(host_.ListEntry(3), "blue");  // not sorted
    EXPECT_EQ(host_.ListEntry(4), "");
    EXPECT_EQ(host_.ListEntry(-1), "");
    EXPECT_EQ(host_.Text(IDC_LIST_NAME), "");

    host_.SelectListEntry(2);
    EXPECT_EQ(host_.Text(IDC_LIST_NAME), kListName);
    host_.SelectListEntry(-1);
    EXPECT_EQ(host_.Text(IDC_LIST_NAME), "");
}

TEST_F(Win32DialogHostTest, TabsAreInsertedWithTheirTextsAndTheFirstIsCurrent) {
    EXPECT_EQ(host_.CurrentTab(), -1);
    // "入/退会", "ﾀﾞｲｼﾞｪｽﾄ", "その他"
    host_.InsertTab(0, "\x93\xfc\x2f\x91\xde\x89\xef");
    host_.InsertTab(1, "\xc0\xde\xb2\xbc\xde\xaa\xbd\xc4");
    host_.InsertTab(2, "\x82\xbb\x82\xcc\x91\xbc");
    EXPECT_EQ(host_.CurrentTab(), 0);

    const std::array<std::wstring, 3> expected{L"入/退会", L"ﾀﾞｲｼﾞｪｽﾄ", L"その他"};
    for (int tab = 0; tab < 3; ++tab) {
        std::wstring text(32, L'\0');
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        SendMessageW(Control(IDC_TABS), TCM_GETITEMW, tab, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(std::wstring(item.pszText), expected[tab]);
    }
    SendMessageW(Control(IDC_TABS), TCM_SETCURSEL, 2, 0);
    EXPECT_EQ(host_.CurrentTab(), 2);
}

TEST_F(Win32DialogHostTest, CheckStatesOfBoxesAndOptionButtons) {
    for (int id : {IDC_NO_SIGNATURE, IDC_GET}) {
        host_.SetCheck(id, 1);
        EXPECT_EQ(SendMessageW(Control(id), BM_GETCHECK, 0, 0), BST_CHECKED) << id;
        EXPECT_EQ(host_.Check(id), 1) << id;
        host_.SetCheck(id, 0);
        EXPECT_EQ(host_.Check(id), 0) << id;
    }
}

TEST_F(Win32DialogHostTest, ShowAndEnableReachTheControl) {
    host_.Show(IDC_PAUSE, true);
    EXPECT_TRUE(Style(IDC_PAUSE) & WS_VISIBLE);
    host_.Show(IDC_PAUSE, false);
    EXPECT_FALSE(Style(IDC_PAUSE) & WS_VISIBLE);

    host_.Enable(IDC_NEW_ADDRESS, true);
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_NEW_ADDRESS)));
    host_.Enable(IDC_NEW_ADDRESS, false);
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_NEW_ADDRESS)));
}

TEST_F(Win32DialogHostTest, FocusAndSelectAllTakesTheWholeText) {
    host_.Show(IDC_MEMBER_NUMBER, true);
    host_.SetText(IDC_MEMBER_NUMBER, "12x45");
    SetFocus(Control(IDC_MAIL_ADDRESS));
    host_.FocusAndSelectAll(IDC_MEMBER_NUMBER);
    EXPECT_EQ(GetFocus(), Control(IDC_MEMBER_NUMBER));
    DWORD start = 1;
    DWORD end = 0;
    SendMessageW(Control(IDC_MEMBER_NUMBER), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
}

TEST_F(Win32DialogHostTest, EndingTheDialogClosesItsWindow) {
    HWND window = dialog_.Window();
    host_.EndDialog(2);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dialog_.Window(), nullptr);
}

}  // namespace
}  // namespace pivlon::win32
