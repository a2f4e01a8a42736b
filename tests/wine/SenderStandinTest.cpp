#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/win32/ChildProcess.h"
#include "tests/support/win32/ComboBoxEntries.h"
#include "tests/support/win32/Polling.h"
#include "tests/support/win32/ScratchFolder.h"
#include "tests/support/win32/SenderCaptureFiles.h"
#include "tests/support/win32/Standins.h"
#include "tests/support/win32/TestFiles.h"

namespace pivlon::testing {
namespace {

constexpr DWORD kPatienceMs = 10000;
constexpr int kSignatureSelectorId = 105;

// A command mail as the sender receives it: Shift-JIS, CR LF line ends.
// "X-KOPost-Signature: (無し)", "Subject: 入会", "ﾃｽﾄ 表示".
const std::string kMailBytes =
    "X-KOPost-Signature: (\x96\xb3\x82\xb5)\r\n"
    "TO: ml-ctl@example.jp\r\n"
    "Subject: \x93\xfc\x89\xef\r\n"
    "\r\n"
    "\xc3\xbd\xc4 \x95\x5c\x8e\xa6\r\n";
const std::wstring kMailText =
    L"X-KOPost-Signature: (\u7121\u3057)\r\n"
    L"TO: ml-ctl@example.jp\r\n"
    L"Subject: \u5165\u4f1a\r\n"
    L"\r\n"
    L"\uff83\uff7d\uff84 \u8868\u793a\r\n";
const std::wstring kOrdinaryEntry = L"\u6a19\u6e96";       // "標準"
const std::wstring kNoSignatureEntry = L"(\u7121\u3057)";  // "(無し)"

std::wstring WindowText(HWND window) {
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

class SenderStandinTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(WriteBytes(mailPath_, kMailBytes)); }

    // Starts the sender as the hand-off does: the program path, unquoted, then " /H=" and the mail
    // file.
    std::unique_ptr<ChildProcess> StartSender(const std::wstring& program,
                                              const std::wstring& mode = L"") {
        EnvironmentVariables environment{{kSenderCaptureVariable, capture_.Prefix()}};
        if (!mode.empty())
            environment.emplace_back(kSenderModeVariable, mode);
        commandLine_ = program + L" /H=" + mailPath_;
        return std::make_unique<ChildProcess>(program, commandLine_, environment);
    }

    ScratchFolder folder_;
    // A blank in the mail file's path too: everything after "/H=" is the path.
    const std::wstring mailPath_ = folder_.PathOf(L"txt 1A2B.tmp");
    const SenderCaptureFiles capture_{folder_.PathOf(L"capture")};
    std::wstring commandLine_;
};

TEST_F(SenderStandinTest, ReadsTheMailBeforeItIsIdleAndShowsItUnchanged) {
    auto sender = StartSender(StandinPath(kSenderProgram));
    ASSERT_TRUE(sender->Started());
    ASSERT_TRUE(sender->WaitForInputIdle(kPatienceMs));
    // The hand-off deletes the file right after the idle wait.
    ASSERT_TRUE(DeleteFileW(mailPath_.c_str()));
    EXPECT_EQ(capture_.Mail(), kMailBytes);
    EXPECT_EQ(capture_.CommandLine(), commandLine_);

    HWND editor = sender->WaitForWindow(L"DravexEditor", kPatienceMs);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(PollUntil(kPatienceMs, [&] { return IsWindowVisible(editor) != FALSE; }));
    HWND mail = FindWindowExW(editor, nullptr, L"Edit", nullptr);
    ASSERT_NE(mail, nullptr);
    EXPECT_EQ(WindowText(mail), kMailText);
}

TEST_F(SenderStandinTest, OffersTheOrdinarySignatureFirstAndNoneAsWell) {
    auto sender = StartSender(StandinPath(kSenderProgram));
    HWND editor = sender->WaitForWindow(L"DravexEditor", kPatienceMs);
    ASSERT_NE(editor, nullptr);
    HWND selector = GetDlgItem(editor, kSignatureSelectorId);
    ASSERT_NE(selector, nullptr);
    EXPECT_EQ(GetParent(selector), editor);
    EXPECT_EQ(ClassOf(selector), L"ComboBox");
    EXPECT_EQ(GetWindowLongW(selector, GWL_STYLE) & 3, CBS_DROPDOWNLIST);

    ASSERT_EQ(SendMessageW(selector, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ComboEntry(selector, 0), kOrdinaryEntry);
    EXPECT_EQ(ComboEntry(selector, 1), kNoSignatureEntry);
    EXPECT_EQ(SendMessageW(selector, CB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(PollUntil(kPatienceMs, [&] { return capture_.Signature() == kOrdinaryEntry; }));
}

// CB_SELECTSTRING from another process notifies nobody, yet the choice is recorded.
TEST_F(SenderStandinTest, RecordsASelectionMadeFromAnotherProcess) {
    auto sender = StartSender(StandinPath(kSenderProgram));
    HWND editor = sender->WaitForWindow(L"DravexEditor", kPatienceMs);
    ASSERT_NE(editor, nullptr);
    HWND selector = GetDlgItem(editor, kSignatureSelectorId);

    EXPECT_EQ(SendMessageW(selector, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(kNoSignatureEntry.c_str())),
              1);
    EXPECT_TRUE(PollUntil(kPatienceMs, [&] { return capture_.Signature() == kNoSignatureEntry; }));

    PostMessageW(editor, WM_CLOSE, 0, 0);
    EXPECT_EQ(sender->WaitForExit(kPatienceMs), 0u);
    EXPECT_EQ(capture_.Signature(), kNoSignatureEntry);
}

// A configured sender path may hold blanks and Japanese and is passed unquoted.
TEST_F(SenderStandinTest, FindsTheMailAfterAProgramPathWithBlanks) {
    const std::wstring folder = folder_.PathOf(L"\u30bd\u30d5\u30c8 Ko Post");  // "ソフト Ko Post"
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring program = folder + L"\\Dravex.exe";
    ASSERT_TRUE(CopyFileW(StandinPath(kSenderProgram).c_str(), program.c_str(), TRUE));

    auto sender = StartSender(program);
    ASSERT_TRUE(sender->Started());
    ASSERT_TRUE(sender->WaitForInputIdle(kPatienceMs));
    EXPECT_EQ(capture_.Mail(), kMailBytes);
    EXPECT_EQ(capture_.CommandLine(), commandLine_);
    EXPECT_NE(sender->WaitForWindow(L"DravexEditor", kPatienceMs), nullptr);
}

TEST_F(SenderStandinTest, NoEditorModeReadsTheMailButNeverOpensTheEditor) {
    auto sender = StartSender(StandinPath(kSenderProgram), L"noeditor");
    ASSERT_TRUE(sender->Started());
    ASSERT_TRUE(sender->WaitForInputIdle(kPatienceMs));
    EXPECT_EQ(capture_.Mail(), kMailBytes);
    EXPECT_EQ(sender->WaitForWindow(L"DravexEditor", 1000), nullptr);
    EXPECT_EQ(sender->WaitForExit(0), std::nullopt);
}

TEST_F(SenderStandinTest, ExitModeEndsAtOnceWithoutReading) {
    auto sender = StartSender(StandinPath(kSenderProgram), L"exit");
    ASSERT_TRUE(sender->Started());
    EXPECT_EQ(sender->WaitForExit(kPatienceMs), 0u);
    EXPECT_EQ(capture_.Mail(), std::nullopt);
    EXPECT_EQ(capture_.CommandLine(), std::nullopt);
}

}  // namespace
}  // namespace pivlon::testing
