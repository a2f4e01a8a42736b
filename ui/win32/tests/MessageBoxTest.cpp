#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ui/ResourceIds.h"
#include "ui/win32/Win32DialogHost.h"
#include "ui/win32/tests/DialogWatcher.h"
#include "ui/win32/tests/TemplateDialog.h"

namespace pivlon::win32 {
namespace {

using testing::DialogWatcher;
using testing::SeenMessageBox;
using testing::TemplateDialog;

const std::wstring kTitle = L"pivlon";
const std::wstring kErrorCaption = L"エラー";
// "C:\作業\debug.txt"
const std::string kFileName =
    "\x43\x3a\x5c\x8d\xec\x8b\xc6\x5c\x64\x65\x62\x75\x67\x2e\x74\x78\x74";
const std::wstring kWideFileName = L"C:\\作業\\debug.txt";

struct Case {
    const char* name;
    Message message;
    std::wstring text;
    std::wstring caption;
    bool stopIcon;
    friend void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }
};

Message FileErrorOf(FileErrorCause cause) {
    return Message::Of(FileError{cause, kFileName});
}

class MessageBoxTest : public ::testing::TestWithParam<Case> {
  protected:
    void SetUp() override { ASSERT_NE(dialog_.CreateModeless(nullptr), nullptr); }

    // Shows the message and returns what the box showed, after it was dismissed.
    std::optional<SeenMessageBox> Show(const Message& message) {
        std::optional<SeenMessageBox> seen;
        DialogWatcher watcher([&](HWND box) {
            if (!testing::IsMessageBox(box))
                return;
            seen = testing::ReadMessageBox(box);
            owner_ = GetWindow(box, GW_OWNER);
            testing::PostClick(box, IDOK);
        });
        host_.ShowMessage(message);
        return seen;
    }

    TemplateDialog dialog_{IDD_COMMANDER};
    Win32DialogHost host_{dialog_, kTitle};
    HWND owner_ = nullptr;
};

TEST_P(MessageBoxTest, ShowsTextCaptionAndIconOwnedByTheDialog) {
    const Case& expected = GetParam();
    const auto seen = Show(expected.message);
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, expected.text);
    EXPECT_EQ(seen->caption, expected.caption);
    EXPECT_EQ(seen->icon, expected.stopIcon ? LoadIconW(nullptr, IDI_HAND) : nullptr);
    EXPECT_EQ(owner_, dialog_.Window());
}

INSTANTIATE_TEST_SUITE_P(
    OwnMessages, MessageBoxTest,
    ::testing::Values(
        Case{"CatalogError", Message::Of(MessageId::CatalogError),
             L"設定ファイルに異常があります\n作者に連絡して下さい", kErrorCaption, false},
        Case{"InvalidMemberNumber", Message::Of(MessageId::InvalidMemberNumber),
             L"正の整数を入力してください。", kTitle, false},
        Case{"MailClientNotRunning", Message::Of(MessageId::MailClientNotRunning),
             L"Ko-Postを起動してから送信して下さい", kErrorCaption, false},
        // "C:\Program Files\送信\DRAVEX.EXE /H=C:\t\%s%1.tmp": the argument's own
        // placeholders are not filled in again.
        Case{"SenderStartFailed",
             Message::Of(MessageId::SenderStartFailed,
                         "\x43\x3a\x5c\x50\x72\x6f\x67\x72\x61\x6d\x20\x46\x69\x6c\x65\x73\x5c"
                         "\x91\x97\x90\x4d\x5c\x44\x52\x41\x56\x45\x58\x2e\x45\x58\x45\x20\x2f"
                         "\x48\x3d\x43\x3a\x5c\x74\x5c\x25\x73\x25\x31\x2e\x74\x6d\x70"),
             L"C:\\Program Files\\送信\\DRAVEX.EXE /H=C:\\t\\%s%1.tmp の起動に失敗しました", kTitle,
             true}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    FileErrorReport, MessageBoxTest,
    ::testing::Values(
        Case{"None", FileErrorOf(FileErrorCause::None), L"ｴﾗｰはありません。", kTitle, true},
        Case{"Generic", FileErrorOf(FileErrorCause::Generic),
             kWideFileName + L" へのｱｸｾｽ中に予期しないｴﾗｰが発生しました。", kTitle, true},
        Case{"FileNotFound", FileErrorOf(FileErrorCause::FileNotFound),
             kWideFileName + L" が見つかりません。", kTitle, true},
        Case{"BadPath", FileErrorOf(FileErrorCause::BadPath), kWideFileName + L" は無効なﾊﾟｽです。",
             kTitle, true},
        Case{"TooManyOpenFiles", FileErrorOf(FileErrorCause::TooManyOpenFiles),
             L"開いているﾌｧｲﾙが多すぎるため " + kWideFileName + L" を開けませんでした。", kTitle,
             true},
        Case{"AccessDenied", FileErrorOf(FileErrorCause::AccessDenied),
             kWideFileName + L" へのｱｸｾｽは拒否されました。", kTitle, true},
        Case{"InvalidFile", FileErrorOf(FileErrorCause::InvalidFile),
             kWideFileName + L" へ無効なﾌｧｲﾙ ﾊﾝﾄﾞﾙが関連付けられています。", kTitle, true},
        Case{"RemoveCurrentDir", FileErrorOf(FileErrorCause::RemoveCurrentDir),
             L"ｶﾚﾝﾄ ﾃﾞｨﾚｸﾄﾘ " + kWideFileName + L" は削除できません。", kTitle, true},
        Case{"DirectoryFull", FileErrorOf(FileErrorCause::DirectoryFull),
             kWideFileName + L" を作成できません。そのﾃﾞｨﾚｸﾄﾘはいっぱいです。 ", kTitle, true},
        Case{"BadSeek", FileErrorOf(FileErrorCause::BadSeek),
             kWideFileName + L" のｼｰｸに失敗しました", kTitle, true},
        Case{"HardIO", FileErrorOf(FileErrorCause::HardIO),
             kWideFileName + L" へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。", kTitle, true},
        Case{"SharingViolation", FileErrorOf(FileErrorCause::SharingViolation),
             kWideFileName + L" へのｱｸｾｽ中に共有違反が発生しました。", kTitle, true},
        Case{"LockViolation", FileErrorOf(FileErrorCause::LockViolation),
             kWideFileName + L" へのｱｸｾｽ中にﾛｯｷﾝｸﾞ違反が発生しました。", kTitle, true},
        Case{"DiskFull", FileErrorOf(FileErrorCause::DiskFull),
             kWideFileName + L" へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。", kTitle, true},
        Case{"EndOfFile", FileErrorOf(FileErrorCause::EndOfFile),
             kWideFileName + L" のﾌｧｲﾙの終わりです。", kTitle, true},
        // A refused deletion names no file.
        Case{"DeleteWithoutName", Message::Of(FileError{FileErrorCause::AccessDenied, ""}),
             L" へのｱｸｾｽは拒否されました。", kTitle, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pivlon::win32
