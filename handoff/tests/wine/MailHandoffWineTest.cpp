#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "fakes/RecordingMessages.h"
#include "handoff/MailHandoff.h"
#include "handoff/tests/FakeSendSource.h"
#include "platform/win32/Encoding.h"
#include "platform/win32/Win32System.h"
#include "tests/support/win32/ChildProcess.h"
#include "tests/support/win32/ChildProcesses.h"
#include "tests/support/win32/ComboBoxEntries.h"
#include "tests/support/win32/MailFiles.h"
#include "tests/support/win32/ScopedCurrentDirectory.h"
#include "tests/support/win32/ScratchFolder.h"
#include "tests/support/win32/Standins.h"
#include "tests/support/win32/TemporaryDirectory.h"
#include "tests/support/win32/TestFiles.h"
#include "tests/support/win32/TopLevelWindows.h"
#include "tests/support/win32/Utf8.h"

namespace pivlon {
namespace {

using testing::ChildProcess;
using testing::ChildProcesses;
using testing::FileExists;
using testing::FromUtf8;
using testing::kMailClientProgram;
using testing::kSenderCaptureVariable;
using testing::kSenderModeVariable;
using testing::kSenderProgram;
using testing::MailFilesIn;
using testing::ReadBytes;
using testing::ScopedCurrentDirectory;
using testing::SelectedComboEntry;
using testing::StandinPath;
using testing::TemporaryDirectory;
using testing::ToUtf8;
using testing::WaitForWindow;
using win32::Narrow;
using win32::Widen;

// "本文 ソ―" in the body: trail bytes 0x5C and 0x7C are where a careless writer breaks.
const std::string kMail =
    "TO: ml-ctl@example.jp\nSubject: subscribe\n\n\x96\x7b\x95\xb6 \x83\x5c\x81\x5c\n";
const std::string kMailOnDisk =
    "TO: ml-ctl@example.jp\r\nSubject: subscribe\r\n\r\n\x96\x7b\x95\xb6 \x83\x5c\x81\x5c\r\n";
const std::string kHeaderOnDisk = "X-KOPost-Signature: (\x96\xb3\x82\xb5)\r\n";  // (無し)
const std::wstring kNoSignatureEntry = L"(\u7121\u3057)";
const std::wstring kOrdinaryEntry = L"\u6a19\u6e96";  // the stand-in's first entry
constexpr int kSignatureSelectorId = 105;

constexpr DWORD kStartPatienceMs = 10000;

class MailHandoffWineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mailFilesBefore_ = MailFilesIn(TemporaryDirectory());
        ASSERT_EQ(FindWindowW(L"kopost", nullptr), nullptr) << "a mail client left running";
        ASSERT_EQ(FindWindowW(L"DravexEditor", nullptr), nullptr) << "an editor left open";
        ASSERT_TRUE(CopyFileW(StandinPath(kSenderProgram).c_str(),
                              scratch_.PathOf(L"DRAVEX.EXE").c_str(), FALSE));
        // The default sender is found by the system's search, which includes this folder.
        inScratch_.emplace(scratch_.Path());
        UseCapture(L"capture");
        source_.mailText = kMail;
    }

    void TearDown() override {
        testing::CloseChildProcesses();
        inScratch_.reset();
        SetEnvironmentVariableW(kSenderCaptureVariable, nullptr);
        SetEnvironmentVariableW(kSenderModeVariable, nullptr);
        EXPECT_EQ(MailFilesIn(TemporaryDirectory()), mailFilesBefore_);
    }

    // Senders started from now on record what they receive under this name.
    void UseCapture(const std::wstring& name) {
        SetEnvironmentVariableW(kSenderCaptureVariable, scratch_.PathOf(name).c_str());
    }
    std::optional<std::string> Captured(const wchar_t* suffix,
                                        const std::wstring& name = L"capture") {
        return ReadBytes(scratch_.PathOf(name + suffix));
    }

    // Started as from the command prompt; the teardown closes it.
    void StartProgram(const std::wstring& commandLine) {
        started_.push_back(std::make_unique<ChildProcess>(L"", commandLine));
        ASSERT_TRUE(started_.back()->Started());
        started_.back()->WaitForInputIdle(kStartPatienceMs);
    }

    void StartMailClient() {
        ASSERT_NO_FATAL_FAILURE(StartProgram(StandinPath(kMailClientProgram)));
        ASSERT_NE(WaitForWindow(L"kopost"), nullptr);
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
        return FromUtf8(commandLineUtf8.substr(found + separator.size()));
    }

    testing::ScratchFolder scratch_;
    std::optional<ScopedCurrentDirectory> inScratch_;
    std::vector<std::unique_ptr<ChildProcess>> started_;
    win32::Win32System system_;
    testing::RecordingMessages messages_;
    testing::FakeSendSource source_;
    std::set<std::wstring> mailFilesBefore_;
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
    const std::string expectedStart = "DRAVEX.EXE /H=" + ToUtf8(TemporaryDirectory()) + "txt";
    EXPECT_EQ(commandLine->rfind(expectedStart, 0), 0u) << *commandLine;
    EXPECT_EQ(commandLine->substr(commandLine->size() - 4), ".tmp");
    EXPECT_FALSE(FileExists(MailFileOf(*commandLine)));

    const HWND editor = FindWindowW(L"DravexEditor", nullptr);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(SelectedComboEntry(GetDlgItem(editor, kSignatureSelectorId)),
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
    for (int tries = 0; tries < 50 && recorded != ToUtf8(kNoSignatureEntry); ++tries) {
        Sleep(100);
        recorded = Captured(L".signature");
    }
    EXPECT_EQ(recorded, ToUtf8(kNoSignatureEntry));
}

// "ソフト": its first trail byte is a backslash in Shift-JIS.
const std::wstring kSoftware = L"\u30bd\u30d5\u30c8";

TEST_F(MailHandoffWineTest, ConfiguredPathWithBlanksStartsThatProgramOnly) {
    const std::filesystem::path folder =
        scratch_.Path() / kSoftware / L"Program Files" / L"Ko-Post";
    std::filesystem::create_directories(folder);
    const std::wstring sender = (folder / L"Dravex.exe").wstring();
    ASSERT_TRUE(CopyFileW(StandinPath(kSenderProgram).c_str(), sender.c_str(), FALSE));
    // What the command line alone would start, read up to its first blank.
    ASSERT_TRUE(CopyFileW(StandinPath(kMailClientProgram).c_str(),
                          scratch_.PathOf(kSoftware + L"\\Program.exe").c_str(), FALSE));
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
    EXPECT_EQ(commandLine->rfind(ToUtf8(sender) + " /H=", 0), 0u) << *commandLine;
    EXPECT_EQ(Captured(L".mail"), kMailOnDisk);
}

TEST_F(MailHandoffWineTest, FailedStartNamesTheWholeCommandLineAndDeletesTheFile) {
    StartMailClient();
    source_.senderPath = Narrow(scratch_.PathOf(L"Missing Folder\\Dravex.exe"));
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
    const std::wstring earlierMail = scratch_.PathOf(L"earlier.txt");
    ASSERT_TRUE(scratch_.Write(L"earlier.txt", "TO: earlier@example.jp\r\n"));
    UseCapture(L"earlier");
    ASSERT_NO_FATAL_FAILURE(StartProgram(StandinPath(kSenderProgram) + L" /H=" + earlierMail));
    const HWND editor = WaitForWindow(L"DravexEditor");
    ASSERT_NE(editor, nullptr);
    const HWND selector = GetDlgItem(editor, kSignatureSelectorId);
    ASSERT_EQ(SelectedComboEntry(selector), kOrdinaryEntry);

    // This sender opens no editor of its own: only the earlier one can answer the search.
    UseCapture(L"capture");
    SetEnvironmentVariableW(kSenderModeVariable, L"noeditor");
    StartMailClient();
    source_.noSignature = true;
    const unsigned long long took = Send();

    EXPECT_LT(took, 10000u);
    EXPECT_EQ(SelectedComboEntry(selector), kNoSignatureEntry);
    EXPECT_EQ(Captured(L".mail"), kHeaderOnDisk + kMailOnDisk);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(MailHandoffWineTest, SenderThatEndsAtOnceEndsTheWaitAtOnce) {
    SetEnvironmentVariableW(kSenderModeVariable, L"exit");
    StartMailClient();
    source_.noSignature = true;
    EXPECT_LT(Send(), 5000u);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(MailHandoffWineTest, EditorThatNeverComesEndsTheWaitWithinThirtySeconds) {
    SetEnvironmentVariableW(kSenderModeVariable, L"noeditor");
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
