#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <string>

#include "fakes/RecordingMessages.h"
#include "handoff/MailHandoff.h"
#include "handoff/tests/FakeSendSource.h"
#include "platform/win32/Encoding.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/tests/ChildProcesses.h"
#include "platform/win32/tests/ScratchFolder.h"
#include "platform/win32/tests/Standins.h"

namespace pivlon {
namespace {

using win32::Narrow;
using win32::Widen;
using win32::testing::ChildProcesses;
using win32::testing::FileExists;
using win32::testing::ReadFileBytes;
using win32::testing::StandinPath;
using win32::testing::TemporaryDirectory;

// "本文 ソ―" in the body: trail bytes 0x5C and 0x7C are where a careless writer breaks.
const std::string kMail =
    "TO: ml-ctl@example.jp\nSubject: subscribe\n\n\x96\x7b\x95\xb6 \x83\x5c\x81\x5c\n";
const std::string kMailOnDisk =
    "TO: ml-ctl@example.jp\r\nSubject: subscribe\r\n\r\n\x96\x7b\x95\xb6 \x83\x5c\x81\x5c\r\n";
const std::string kHeaderOnDisk = "X-KOPost-Signature: (\x96\xb3\x82\xb5)\r\n";  // (無し)
const std::wstring kNoSignatureEntry = L"(\u7121\u3057)";
const std::wstring kOrdinaryEntry = L"\u6a19\u6e96";  // the stand-in's first entry
constexpr int kSignatureSelectorId = 105;

// The temporary mail files, by name, that the temporary directory holds now.
std::set<std::wstring> MailFilesInTemporaryDirectory() {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found;
    const std::wstring pattern = TemporaryDirectory() + L"txt*.tmp";
    const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.insert(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::wstring TestName() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "-" + test->name();
    std::ranges::replace(name, '/', '-');  // parameterised names would make nested folders
    return Widen(name);
}

class MailHandoffWineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mailFilesBefore_ = MailFilesInTemporaryDirectory();
        ASSERT_EQ(FindWindowW(L"kopost", nullptr), nullptr) << "a mail client left running";
        ASSERT_EQ(FindWindowW(L"DravexEditor", nullptr), nullptr) << "an editor left open";
        ASSERT_TRUE(CopyFileW(StandinPath(L"dravex.exe").c_str(),
                              (scratch_.Path() + L"DRAVEX.EXE").c_str(), FALSE));
        GetCurrentDirectoryW(MAX_PATH, previousDirectory_);
        // The default sender is found by the system's search, which includes this folder.
        SetCurrentDirectoryW(scratch_.Path().c_str());
        UseCapture(L"capture");
        source_.mailText = kMail;
    }

    void TearDown() override {
        win32::testing::CloseChildProcesses();
        SetCurrentDirectoryW(previousDirectory_);
        SetEnvironmentVariableW(L"PIVLON_SENDER_CAPTURE", nullptr);
        SetEnvironmentVariableW(L"PIVLON_SENDER_MODE", nullptr);
        EXPECT_EQ(MailFilesInTemporaryDirectory(), mailFilesBefore_);
    }

    // Senders started from now on record what they receive under this name.
    void UseCapture(const std::wstring& name) {
        SetEnvironmentVariableW(L"PIVLON_SENDER_CAPTURE", (scratch_.Path() + name).c_str());
    }
    std::optional<std::string> Captured(const wchar_t* suffix,
                                        const std::wstring& name = L"capture") {
        return ReadFileBytes(scratch_.Path() + name + suffix);
    }

    void StartMailClient() {
        ASSERT_TRUE(win32::testing::StartProgram(StandinPath(L"kopost.exe")));
        ASSERT_NE(win32::testing::WaitForWindow(L"kopost"), nullptr);
    }

    // Milliseconds the send took.
    unsigned long long Send() {
        const ULONGLONG start = GetTickCount64();
        MailHandoff(system_, messages_).SendCommand(source_);
        return GetTickCount64() - start;
    }

    // The mail file named after "/H=" in the sender's command line.
    std::wstring MailFileOf(const std::string& commandLineUtf8) {
        const std::string separator = " /H=";
        const size_t found = commandLineUtf8.find(separator);
        EXPECT_NE(found, std::string::npos) << commandLineUtf8;
        const std::string path = commandLineUtf8.substr(found + separator.size());
        const int length =
            MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
        std::wstring wide(static_cast<size_t>(length), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(),
                            length);
        return wide;
    }

    static std::string Utf8(const std::wstring& text) {
        const int length = WideCharToMultiByte(
            CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<size_t>(length), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                            length, nullptr, nullptr);
        return utf8;
    }

    win32::testing::ScratchFolder scratch_{L"handoff-" + TestName()};
    win32::Win32System system_;
    testing::RecordingMessages messages_;
    testing::FakeSendSource source_;
    std::set<std::wstring> mailFilesBefore_;
    wchar_t previousDirectory_[MAX_PATH] = {};
};

TEST_F(MailHandoffWineTest, WithoutTheMailClientNothingIsWrittenOrStarted) {
    Send();
    EXPECT_EQ(messages_.shown,
              (std::vector<Message>{Message::Of(MessageId::MailClientNotRunning)}));
    EXPECT_TRUE(ChildProcesses().empty());
    EXPECT_FALSE(Captured(L".cmdline"));
}

struct HeaderCase {
    const char* name;
    bool noSignature;
    std::string fileBytes;
    std::wstring selectedEntry;
    friend void PrintTo(const HeaderCase& c, std::ostream* out) { *out << c.name; }
};

class SenderReceives : public MailHandoffWineTest,
                       public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(SenderReceives, TheExactBytesUnderTheDefaultNameAndItsSignatureChoice) {
    StartMailClient();
    source_.noSignature = GetParam().noSignature;
    Send();
    EXPECT_TRUE(messages_.shown.empty());

    EXPECT_EQ(Captured(L".mail"), GetParam().fileBytes);
    const std::optional<std::string> commandLine = Captured(L".cmdline");
    ASSERT_TRUE(commandLine);
    const std::string expectedStart = "DRAVEX.EXE /H=" + Utf8(TemporaryDirectory()) + "txt";
    EXPECT_EQ(commandLine->rfind(expectedStart, 0), 0u) << *commandLine;
    EXPECT_EQ(commandLine->substr(commandLine->size() - 4), ".tmp");
    EXPECT_FALSE(FileExists(MailFileOf(*commandLine)));

    const HWND editor = FindWindowW(L"DravexEditor", nullptr);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(win32::testing::SelectedComboText(GetDlgItem(editor, kSignatureSelectorId)),
              GetParam().selectedEntry);
}

INSTANTIATE_TEST_SUITE_P(
    MailHandoff, SenderReceives,
    ::testing::Values(HeaderCase{"NoSignature", true, kHeaderOnDisk + kMailOnDisk,
                                 kNoSignatureEntry},
                      HeaderCase{"WithSignature", false, kMailOnDisk, kOrdinaryEntry}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MailHandoffWineTest, SelectionReachesTheEditorItself) {
    StartMailClient();
    source_.noSignature = true;
    Send();
    // The stand-in records its selection when it notices a change.
    std::optional<std::string> recorded;
    for (int tries = 0; tries < 50 && recorded != Utf8(kNoSignatureEntry); ++tries) {
        Sleep(100);
        recorded = Captured(L".signature");
    }
    EXPECT_EQ(recorded, Utf8(kNoSignatureEntry));
}

// "ソフト": its first trail byte is a backslash in Shift-JIS.
const std::wstring kSoftware = L"\u30bd\u30d5\u30c8";

TEST_F(MailHandoffWineTest, ConfiguredPathWithBlanksStartsThatProgramOnly) {
    const std::wstring folder = scratch_.AddFolder(kSoftware + L"\\Program Files\\Ko-Post");
    const std::wstring sender = folder + L"Dravex.exe";
    ASSERT_TRUE(CopyFileW(StandinPath(L"dravex.exe").c_str(), sender.c_str(), FALSE));
    // What the command line alone would start, read up to its first blank.
    ASSERT_TRUE(CopyFileW(StandinPath(L"kopost.exe").c_str(),
                          (scratch_.Path() + kSoftware + L"\\Program.exe").c_str(), FALSE));
    StartMailClient();
    source_.senderPath = Narrow(sender);
    Send();

    EXPECT_TRUE(messages_.shown.empty());
    std::set<std::wstring> started;
    for (const auto& child : ChildProcesses())
        started.insert(child.exeName);
    EXPECT_EQ(started, (std::set<std::wstring>{L"kopost.exe", L"Dravex.exe"}));
    const std::optional<std::string> commandLine = Captured(L".cmdline");
    ASSERT_TRUE(commandLine);
    EXPECT_EQ(commandLine->rfind(Utf8(sender) + " /H=", 0), 0u) << *commandLine;
    EXPECT_EQ(Captured(L".mail"), kMailOnDisk);
}

TEST_F(MailHandoffWineTest, FailedStartNamesTheWholeCommandLineAndDeletesTheFile) {
    StartMailClient();
    source_.senderPath = Narrow(scratch_.Path() + L"Missing Folder\\Dravex.exe");
    Send();

    ASSERT_EQ(messages_.shown.size(), 1u);
    const Message& shown = messages_.shown[0];
    EXPECT_EQ(shown.id, MessageId::SenderStartFailed);
    const std::string expectedStart =
        source_.senderPath + " /H=" + Narrow(TemporaryDirectory()) + "txt";
    EXPECT_EQ(shown.argument.rfind(expectedStart, 0), 0u) << shown.argument;
    EXPECT_EQ(shown.argument.substr(shown.argument.size() - 4), ".tmp");
    EXPECT_FALSE(FileExists(Widen(shown.argument.substr(source_.senderPath.size() + 4))));
}

TEST_F(MailHandoffWineTest, EditorAlreadyOpenGetsTheSelection) {
    const std::wstring earlierMail = scratch_.Path() + L"earlier.txt";
    ASSERT_TRUE(win32::testing::WriteFileBytes(earlierMail, "TO: earlier@example.jp\r\n"));
    UseCapture(L"earlier");
    ASSERT_TRUE(win32::testing::StartProgram(StandinPath(L"dravex.exe") + L" /H=" + earlierMail));
    const HWND editor = win32::testing::WaitForWindow(L"DravexEditor");
    ASSERT_NE(editor, nullptr);
    const HWND selector = GetDlgItem(editor, kSignatureSelectorId);
    ASSERT_EQ(win32::testing::SelectedComboText(selector), kOrdinaryEntry);

    // This sender opens no editor of its own: only the earlier one can answer the search.
    UseCapture(L"capture");
    SetEnvironmentVariableW(L"PIVLON_SENDER_MODE", L"noeditor");
    StartMailClient();
    source_.noSignature = true;
    const unsigned long long took = Send();

    EXPECT_LT(took, 10000u);
    EXPECT_EQ(win32::testing::SelectedComboText(selector), kNoSignatureEntry);
    EXPECT_EQ(Captured(L".mail"), kHeaderOnDisk + kMailOnDisk);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(MailHandoffWineTest, SenderThatEndsAtOnceEndsTheWaitAtOnce) {
    SetEnvironmentVariableW(L"PIVLON_SENDER_MODE", L"exit");
    StartMailClient();
    source_.noSignature = true;
    EXPECT_LT(Send(), 5000u);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(MailHandoffWineTest, EditorThatNeverComesEndsTheWaitWithinThirtySeconds) {
    SetEnvironmentVariableW(L"PIVLON_SENDER_MODE", L"noeditor");
    StartMailClient();
    source_.noSignature = true;
    const unsigned long long took = Send();

    EXPECT_GE(took, 25000u);  // the sender stays alive, so the search goes on to its end
    EXPECT_LT(took, 45000u);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(Captured(L".mail"), kHeaderOnDisk + kMailOnDisk);
}

}  // namespace
}  // namespace pivlon
