#include "handoff/MailHandoff.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

#include "fakes/FakeSystem.h"
#include "handoff/tests/FakeSendSource.h"
#include "support/ShiftJisOf.h"

namespace pivlon {
namespace {

using ::testing::ElementsAre;
using testing::FakeSendSource;
using testing::FakeSystem;
using ::testing::IsEmpty;

const std::string kMailFile = "C:\\TEMP\\txt1A2B.tmp";
const std::string kNoSignature = "(\x96\xb3\x82\xb5)";                     // "(無し)"
const std::string kHeader = "X-KOPost-Signature: (\x96\xb3\x82\xb5)\r\n";  // (無し)
const std::string kMail = "TO: ml-ctl@example.jp\nSubject: join\n\nsubscribe\n";
const std::string kMailOnDisk = "TO: ml-ctl@example.jp\r\nSubject: join\r\n\r\nsubscribe\r\n";

// Messages join the system's call log, so tests see what happened before each one.
class LoggedMessages : public MessageSink {
  public:
    explicit LoggedMessages(FakeSystem& system) : system_(system) {}
    void ShowMessage(const Message& message) override {
        system_.calls.push_back("ShowMessage");
        shown.push_back(message);
    }
    std::vector<Message> shown;

  private:
    FakeSystem& system_;
};

class MailHandoffTest : public ::testing::Test {
  protected:
    MailHandoffTest() {
        system.OpenWindow("kopost");
        source.mailText = kMail;
    }

    void Send() { MailHandoff(system, messages).SendCommand(source); }
    bool Launch(bool noSignature, const std::string& senderPath = "") {
        return MailHandoff(system, messages).LaunchSender(kMailFile, noSignature, senderPath);
    }
    bool Called(const std::string& call) const {
        return std::ranges::find(system.calls, call) != system.calls.end();
    }
    // The calls from `first` on, up to and including `last`.
    std::vector<std::string> CallsBetween(const std::string& first, const std::string& last) const {
        auto begin = std::ranges::find(system.calls, first);
        auto end = std::find(begin, system.calls.end(), last);
        return {begin, end == system.calls.end() ? end : end + 1};
    }

    FakeSystem system;
    LoggedMessages messages{system};
    FakeSendSource source{&system.calls};
};

TEST_F(MailHandoffTest, WholeSendRunsItsStepsInOrderAndLeavesNothingBehind) {
    source.noSignature = true;
    system.OpenWindow("DravexEditor", 0, {105});
    Send();
    EXPECT_THAT(
        system.calls,
        ElementsAre("SaveControls", "FindTopLevelWindow kopost", "ComposeMail",
                    "TemporaryDirectory", "CreateUniqueFile txt", "CreateOutputFile " + kMailFile,
                    "Write", "Write", "Close", "StartProcess DRAVEX.EXE /H=" + kMailFile,
                    "WaitForInputIdle 100000", "FindTopLevelWindow DravexEditor",
                    "SelectComboString 105", "CloseProcess", "RemoveFile " + kMailFile));
    EXPECT_THAT(messages.shown, IsEmpty());
    EXPECT_THAT(system.files, IsEmpty());
}

TEST_F(MailHandoffTest, WithoutTheMailClientOnlyItsMessageIsShown) {
    FakeSystem bare;
    LoggedMessages bareMessages{bare};
    FakeSendSource bareSource{&bare.calls};
    MailHandoff(bare, bareMessages).SendCommand(bareSource);

    EXPECT_THAT(bare.calls,
                ElementsAre("SaveControls", "FindTopLevelWindow kopost", "ShowMessage"));
    EXPECT_THAT(bareMessages.shown, ElementsAre(Message::Of(MessageId::MailClientNotRunning)));
}

TEST_F(MailHandoffTest, AFormThatCannotBeReadStopsTheSendBeforeAnythingElse) {
    source.saves = false;
    Send();
    EXPECT_THAT(system.calls, ElementsAre("SaveControls"));
}

TEST_F(MailHandoffTest, NothingComposedMeansNothingWritten) {
    source.composes = false;
    Send();
    EXPECT_EQ(system.calls.back(), "ComposeMail");
    EXPECT_THAT(messages.shown, IsEmpty());
}

struct ContentCase {
    const char* name;
    bool noSignature;
    std::string mailText;
    std::string bytes;
    friend void PrintTo(const ContentCase& c, std::ostream* out) { *out << c.name; }
};

class MailFileContent : public MailHandoffTest,
                        public ::testing::WithParamInterface<ContentCase> {};

TEST_P(MailFileContent, IsTheMailWithCrLfLineEndsAndNothingElse) {
    source.noSignature = GetParam().noSignature;
    source.mailText = GetParam().mailText;
    Send();
    EXPECT_EQ(system.deletedFiles.at(kMailFile), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    MailHandoff, MailFileContent,
    ::testing::Values(ContentCase{"NoHeader", false, kMail, kMailOnDisk},
                      ContentCase{"Header", true, kMail, kHeader + kMailOnDisk},
                      ContentCase{"EmptyMailWithHeader", true, "", kHeader},
                      ContentCase{"EmptyMail", false, "", ""},
                      // "本文" and "ソ": trail bytes 0x5C and 0x7C stay as they are.
                      ContentCase{"ShiftJisIntact", false, "\x96\x7b\x95\xb6\n\x83\x5c\x81\x7c\n",
                                  "\x96\x7b\x95\xb6\r\n\x83\x5c\x81\x7c\r\n"},
                      ContentCase{"LoneCarriageReturnKept", false, "a\rb\r\n", "a\rb\r\r\n"},
                      ContentCase{"NoFinalLineFeedAdded", false, "TO: x\nbody", "TO: x\r\nbody"}),
    [](const auto& info) { return std::string(info.param.name); });

// The header's bytes are the code page 932 form of its readable text.
TEST_F(MailHandoffTest, HeaderIsTheShiftJisFormOfItsText) {
    const std::string output = testing::ShiftJisOf("X-KOPost-Signature: (無し)\r\n");
    source.noSignature = true;
    source.mailText = "";
    Send();
    EXPECT_EQ(system.deletedFiles.at(kMailFile), output);
}

struct SenderCase {
    const char* name;
    std::string senderPath;
    std::string program;
    std::string commandLine;
    friend void PrintTo(const SenderCase& c, std::ostream* out) { *out << c.name; }
};

class SenderCommandLine : public MailHandoffTest,
                          public ::testing::WithParamInterface<SenderCase> {};

TEST_P(SenderCommandLine, JoinsSenderArgumentAndPathVerbatim) {
    source.senderPath = GetParam().senderPath;
    Send();
    ASSERT_EQ(system.started.size(), 1u);
    EXPECT_EQ(system.started[0].program, GetParam().program);
    EXPECT_EQ(system.started[0].commandLine, GetParam().commandLine);
}

INSTANTIATE_TEST_SUITE_P(
    MailHandoff, SenderCommandLine,
    ::testing::Values(SenderCase{"DefaultLeftToTheSearch", "", "", "DRAVEX.EXE /H=" + kMailFile},
                      SenderCase{"PathWithBlanksNamedAsProgram",
                                 "C:\\Program Files\\Ko-Post\\Dravex.exe",
                                 "C:\\Program Files\\Ko-Post\\Dravex.exe",
                                 "C:\\Program Files\\Ko-Post\\Dravex.exe /H=" + kMailFile},
                      // "ソフト": the first trail byte is a backslash.
                      SenderCase{"ShiftJisPath", "D:\\\x83\x5c\x83\x74\x83\x67\\DRAVEX.EXE",
                                 "D:\\\x83\x5c\x83\x74\x83\x67\\DRAVEX.EXE",
                                 "D:\\\x83\x5c\x83\x74\x83\x67\\DRAVEX.EXE /H=" + kMailFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MailHandoffTest, FailedStartNamesTheWholeCommandLineAndTheFileIsStillDeleted) {
    source.noSignature = true;
    source.senderPath = "C:\\Program Files\\Ko-Post\\Dravex.exe";
    system.startFails = true;
    Send();
    EXPECT_THAT(messages.shown,
                ElementsAre(Message::Of(MessageId::SenderStartFailed,
                                        "C:\\Program Files\\Ko-Post\\Dravex.exe /H=" + kMailFile)));
    EXPECT_THAT(CallsBetween("StartProcess C:\\Program Files\\Ko-Post\\Dravex.exe /H=" + kMailFile,
                             "RemoveFile " + kMailFile),
                ElementsAre(::testing::_, "ShowMessage", "RemoveFile " + kMailFile));
    EXPECT_THAT(system.files, IsEmpty());
}

TEST_F(MailHandoffTest, LaunchReportsWhetherTheSenderStarted) {
    EXPECT_TRUE(Launch(false));
    system.startFails = true;
    EXPECT_FALSE(Launch(false));
}

struct WriteFailureCase {
    const char* name;
    bool noSignature;
    int writesBeforeError;
    bool failClose;
    friend void PrintTo(const WriteFailureCase& c, std::ostream* out) { *out << c.name; }
};

class WriteFailure : public MailHandoffTest,
                     public ::testing::WithParamInterface<WriteFailureCase> {};

TEST_P(WriteFailure, DeletesTheFileThenReportsOnceAndStartsNothing) {
    const FileError error{FileErrorCause::DiskFull, kMailFile};
    source.noSignature = GetParam().noSignature;
    if (GetParam().failClose) {
        system.closeError = error;
    } else {
        system.writeError = error;
        system.writesBeforeError = GetParam().writesBeforeError;
    }
    Send();
    EXPECT_THAT(messages.shown, ElementsAre(Message::Of(error)));
    EXPECT_THAT(CallsBetween("RemoveFile " + kMailFile, "ShowMessage"),
                ElementsAre("RemoveFile " + kMailFile, "ShowMessage"));
    EXPECT_THAT(system.files, IsEmpty());
    EXPECT_THAT(system.started, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(MailHandoff, WriteFailure,
                         ::testing::Values(WriteFailureCase{"Header", true, 0, false},
                                           WriteFailureCase{"MailAfterHeader", true, 1, false},
                                           WriteFailureCase{"MailAlone", false, 0, false},
                                           WriteFailureCase{"Close", true, 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MailHandoffTest, UnopenableFileIsDeletedSilentlyAndNothingStarts) {
    system.openError = FileError{FileErrorCause::AccessDenied, kMailFile};
    Send();
    EXPECT_THAT(messages.shown, IsEmpty());
    EXPECT_TRUE(Called("RemoveFile " + kMailFile));
    EXPECT_THAT(system.files, IsEmpty());
    EXPECT_THAT(system.started, IsEmpty());
}

TEST_F(MailHandoffTest, NoUniqueFileIsReportedAndEndsTheSend) {
    system.uniqueFileError = FileError{FileErrorCause::BadPath, "C:\\TEMP\\"};
    Send();
    EXPECT_THAT(messages.shown, ElementsAre(Message::Of(*system.uniqueFileError)));
    EXPECT_EQ(system.calls.back(), "ShowMessage");
    EXPECT_THAT(system.started, IsEmpty());
}

TEST_F(MailHandoffTest, NoTemporaryDirectoryIsReportedAsABadPath) {
    system.temporaryDirectory.reset();
    Send();
    EXPECT_THAT(messages.shown,
                ElementsAre(Message::Of(FileError{FileErrorCause::BadPath, "%TEMP%"})));
    EXPECT_FALSE(Called("CreateUniqueFile txt"));
    EXPECT_THAT(system.started, IsEmpty());
}

TEST_F(MailHandoffTest, RefusedDeletionIsReportedAfterTheLaunch) {
    system.deleteError = FileError{FileErrorCause::SharingViolation, ""};
    Send();
    EXPECT_THAT(messages.shown, ElementsAre(Message::Of(*system.deleteError)));
    EXPECT_EQ(system.started.size(), 1u);
    EXPECT_EQ(system.calls.back(), "ShowMessage");
}

struct EditorCase {
    const char* name;
    std::optional<int> searchesBeforeShown;  // nullopt: never shown
    std::optional<int> processEndsAfterChecks;
    int searches;
    bool selected;
    friend void PrintTo(const EditorCase& c, std::ostream* out) { *out << c.name; }
};

class EditorSearch : public MailHandoffTest, public ::testing::WithParamInterface<EditorCase> {};

TEST_P(EditorSearch, EndsWithTheSelectionOrInBoundedTime) {
    WindowRef editor = 0;
    if (GetParam().searchesBeforeShown)
        editor = system.OpenWindow("DravexEditor", *GetParam().searchesBeforeShown, {105});
    system.processEndsAfterChecks = GetParam().processEndsAfterChecks;
    EXPECT_TRUE(Launch(true));

    EXPECT_EQ(system.searches["DravexEditor"], GetParam().searches);
    EXPECT_THAT(system.sleeps, ::testing::Each(100u));
    EXPECT_EQ(system.sleeps.size(), static_cast<size_t>(GetParam().searches - 1));
    EXPECT_LE(std::accumulate(system.sleeps.begin(), system.sleeps.end(), 0u), 30000u);
    if (GetParam().selected) {
        EXPECT_THAT(system.selections,
                    ElementsAre(FakeSystem::ComboSelection{editor, 105, kNoSignature}));
    } else {
        EXPECT_THAT(system.selections, IsEmpty());
    }
    EXPECT_THAT(messages.shown, IsEmpty());
    EXPECT_EQ(system.liveProcesses, 0);
}

INSTANTIATE_TEST_SUITE_P(
    MailHandoff, EditorSearch,
    ::testing::Values(EditorCase{"AlreadyOpen", 0, std::nullopt, 1, true},
                      EditorCase{"AfterSomeSleeps", 7, std::nullopt, 8, true},
                      EditorCase{"AtTheLastSearch", 299, std::nullopt, 300, true},
                      EditorCase{"Never", std::nullopt, std::nullopt, 300, false},
                      EditorCase{"SenderEnded", std::nullopt, 3, 4, false},
                      EditorCase{"OpenedJustBeforeTheSenderEnded", 3, 3, 4, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MailHandoffTest, WithoutNoSignatureTheLaunchEndsAfterTheIdleWait) {
    system.OpenWindow("DravexEditor", 0, {105});
    EXPECT_TRUE(Launch(false));
    EXPECT_THAT(system.calls, ElementsAre("StartProcess DRAVEX.EXE /H=" + kMailFile,
                                          "WaitForInputIdle 100000", "CloseProcess"));
}

TEST_F(MailHandoffTest, EditorWithoutSelectorEndsTheSearch) {
    system.OpenWindow("DravexEditor");
    EXPECT_TRUE(Launch(true));
    EXPECT_EQ(system.searches["DravexEditor"], 1);
    EXPECT_THAT(system.selections, IsEmpty());
    EXPECT_THAT(system.sleeps, IsEmpty());
}

}  // namespace
}  // namespace pivlon
