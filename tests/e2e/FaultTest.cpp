// Faults from outside the program: a read-only folder, a full disk, a missing
// temporary folder, a sender that is missing or ends at once, and two copies
// of the program sharing one settings file. Nothing may be lost, nothing may
// crash, and no mail file may stay behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "PivlonDriver.h"
#include "platform/win32/Encoding.h"
#include "tests/support/win32/MailClientRunning.h"
#include "tests/support/win32/MailFiles.h"
#include "tests/support/win32/ScratchFolder.h"
#include "tests/support/win32/Standins.h"
#include "tests/support/win32/TestFiles.h"
#include "ui/ResourceIds.h"

namespace pivlon::e2e {
namespace {

using testing::kSenderProgram;
using testing::MailClientRunning;
using testing::MailFilesIn;
using testing::PivlonExe;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::StandinPath;
using testing::WriteBytes;

namespace fs = std::filesystem;

const fs::path kFaults = fs::path(PIVLON_FAULTS_DIR).make_preferred();
const fs::path kReadOnly = kFaults / "readonly";
const fs::path kFull = kFaults / "full";
const fs::path kData = (fs::path(PIVLON_E2E_DATA) / "faults").make_preferred();

// Sets an environment variable of this process, and so of the programs it starts, for a while.
class ScopedVariable {
  public:
    ScopedVariable(const wchar_t* name, const std::wstring& value) : name_(name) {
        wchar_t old[4096];
        const DWORD length = GetEnvironmentVariableW(name, old, 4096);
        if (length > 0 && length < 4096)
            old_ = std::wstring(old, length);
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~ScopedVariable() { SetEnvironmentVariableW(name_, old_ ? old_->c_str() : nullptr); }

  private:
    const wchar_t* name_;
    std::optional<std::wstring> old_;
};

// Uses up every byte of the small file system, until destroyed.
class DiskFiller {
  public:
    DiskFiller() : path_(kFull / "filler") {
        HANDLE file =
            CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        const std::string block(4096, 'f');
        DWORD written = 0;
        while (WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) &&
               written == block.size()) {
        }
        CloseHandle(file);
    }
    ~DiskFiller() { DeleteFileW(path_.c_str()); }

  private:
    fs::path path_;
};

class FaultTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (fs::exists(kFaults / "unavailable"))
            GTEST_SKIP() << ReadBytes(kFaults / "unavailable").value_or("");
    }
};

// --- A read-only working folder ----------------------------------------------------------------

TEST_F(FaultTest, ARefusedSettingsSaveShowsNothingAndKeepsTheOldFile) {
    PivlonDriver pivlon(PivlonExe(), kReadOnly.wstring());
    EXPECT_TRUE(pivlon.StartMessages().empty());
    EXPECT_EQ(pivlon.Text(IDC_MAIL_ADDRESS), L"kept@example.jp");
    pivlon.Type(IDC_MAIL_ADDRESS, L"lost@example.jp");
    EXPECT_TRUE(pivlon.SelectList(1).empty());
    EXPECT_TRUE(pivlon.Click(IDCANCEL).empty());
    ASSERT_TRUE(pivlon.WaitForExit(10000));
    EXPECT_EQ(ReadBytes(kReadOnly / "Pivlon.ini"), ReadBytes(kData / "Pivlon.ini"));
}

TEST_F(FaultTest, ADumpInAReadOnlyFolderIsReportedAndTheWindowStaysUsable) {
    PivlonDriver pivlon(PivlonExe(), kReadOnly.wstring());
    const auto boxes = pivlon.Click(IDC_TEST);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"debug.txt へのｱｸｾｽは拒否されました。");
    EXPECT_EQ(boxes[0].caption, L"pivlon");
    EXPECT_TRUE(boxes[0].hasIcon);
    EXPECT_FALSE(fs::exists(kReadOnly / "debug.txt"));
    EXPECT_TRUE(pivlon.SelectList(1).empty());
    EXPECT_EQ(pivlon.Text(IDC_TYPE_LABEL), L"CML");
}

// --- A full disk -------------------------------------------------------------------------------

class FullDiskTest : public FaultTest {
  protected:
    void SetUp() override {
        FaultTest::SetUp();
        if (IsSkipped())
            return;
        fs::create_directories(work_);
        ASSERT_TRUE(WriteBytes(work_ / "Pivlon.dat", ReadBytes(kData / "Pivlon.dat").value()));
        ASSERT_TRUE(WriteBytes(work_ / "Pivlon.ini", ReadBytes(kData / "Pivlon.ini").value()));
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(work_, ignored);
    }

    const fs::path work_ = kFull / "work";
};

TEST_F(FullDiskTest, TheMailFileIsReportedAndRemoved) {
    const fs::path temporary = work_ / "temp";
    fs::create_directories(temporary);
    ScopedVariable tmp(L"TMP", temporary.wstring());
    ScopedVariable temp(L"TEMP", temporary.wstring());
    MailClientRunning mailClient;
    PivlonDriver pivlon(PivlonExe(), work_.wstring());
    DiskFiller filler;

    const auto boxes = pivlon.Click(IDC_SEND);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.ends_with(L".tmp へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。"))
        << win32::Narrow(boxes[0].text);
    EXPECT_TRUE(boxes[0].text.starts_with(temporary.wstring() + L"\\txt"))
        << win32::Narrow(boxes[0].text);
    EXPECT_TRUE(MailFilesIn(temporary).empty());
}

TEST_F(FullDiskTest, TheDumpIsReportedWithItsFullPath) {
    PivlonDriver pivlon(PivlonExe(), work_.wstring());
    DiskFiller filler;
    const auto boxes = pivlon.Click(IDC_TEST);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              (work_ / "debug.txt").wstring() + L" へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
    EXPECT_TRUE(pivlon.SelectList(1).empty());
}

TEST_F(FullDiskTest, ASettingsSaveThatDoesNotFitKeepsTheOldFile) {
    PivlonDriver pivlon(PivlonExe(), work_.wstring());
    DiskFiller filler;
    pivlon.Type(IDC_MAIL_ADDRESS, std::wstring(8000, L'a') + L"@example.jp");
    EXPECT_TRUE(pivlon.SelectList(1).empty());
    EXPECT_EQ(ReadBytes(work_ / "Pivlon.ini"), ReadBytes(kData / "Pivlon.ini"));
    EXPECT_FALSE(fs::exists(work_ / "Pivlon.ini.new"));
}

// --- The hand-off's own faults -----------------------------------------------------------------

class HandoffFaultTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.Write(L"Pivlon.dat", ReadBytes(kData / "Pivlon.dat").value()));
    }
    void UseSender(const std::wstring& path) {
        folder_.Write(L"Pivlon.ini", "[Pivlon]\r\nDravex=" + win32::Narrow(path) + "\r\n");
    }

    ScratchFolder folder_;
};

TEST_F(HandoffFaultTest, AMissingTemporaryFolderIsReported) {
    const std::wstring missing = folder_.PathOf(L"missing");
    ScopedVariable tmp(L"TMP", missing);
    ScopedVariable temp(L"TEMP", missing);
    MailClientRunning mailClient;
    PivlonDriver pivlon(PivlonExe(), folder_.Path().wstring());
    const auto boxes = pivlon.Click(IDC_SEND);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].hasIcon);
    EXPECT_EQ(boxes[0].caption, L"pivlon");
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(HandoffFaultTest, AMissingSenderIsNamedWithTheWholeCommandLine) {
    const fs::path temporary = folder_.Path() / "temp";
    fs::create_directories(temporary);
    ScopedVariable tmp(L"TMP", temporary.wstring());
    ScopedVariable temp(L"TEMP", temporary.wstring());
    const std::wstring sender = folder_.PathOf(L"no such folder\\Dravex.exe");
    UseSender(sender);
    MailClientRunning mailClient;
    PivlonDriver pivlon(PivlonExe(), folder_.Path().wstring());
    const auto boxes = pivlon.Click(IDC_SEND);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.starts_with(sender + L" /H=" + temporary.wstring() + L"\\txt"))
        << win32::Narrow(boxes[0].text);
    EXPECT_TRUE(boxes[0].text.ends_with(L".tmp の起動に失敗しました"))
        << win32::Narrow(boxes[0].text);
    EXPECT_TRUE(boxes[0].hasIcon);
    EXPECT_TRUE(MailFilesIn(temporary).empty());
}

TEST_F(HandoffFaultTest, ASenderThatEndsAtOnceEndsTheWaitAtOnce) {
    const fs::path temporary = folder_.Path() / "temp";
    fs::create_directories(temporary);
    ScopedVariable tmp(L"TMP", temporary.wstring());
    ScopedVariable temp(L"TEMP", temporary.wstring());
    ScopedVariable mode(L"PIVLON_SENDER_MODE", L"exit");
    UseSender(StandinPath(kSenderProgram));
    MailClientRunning mailClient;
    PivlonDriver pivlon(PivlonExe(), folder_.Path().wstring());
    const ULONGLONG started = GetTickCount64();
    EXPECT_TRUE(pivlon.Click(IDC_SEND).empty());
    EXPECT_LT(GetTickCount64() - started, 10000u);  // far below the 30 s the search may take
    EXPECT_TRUE(MailFilesIn(temporary).empty());
}

// --- Two copies, one settings file -------------------------------------------------------------

TEST(SharedSettingsTest, TwoCopiesSavingInTurnKeepEveryListsLastValues) {
    ScratchFolder folder;
    folder.Write(
        L"Pivlon.dat",
        "[a]\r\nType=1\r\nTo=a@x\r\n[b]\r\nType=2\r\nTo=b@x\r\n[c]\r\nType=3\r\nTo=c@x\r\n");
    PivlonDriver first(PivlonExe(), folder.Path().wstring());
    PivlonDriver second(PivlonExe(), folder.Path().wstring());
    first.Type(IDC_MAIL_ADDRESS, L"first-a@x");
    first.SelectList(1);   // stores a
    second.SelectList(2);  // stores a as the second copy shows it: empty
    second.Type(IDC_MAIL_ADDRESS, L"second-c@x");
    second.Type(IDC_MEMBER_NUMBER, L"33");
    first.Type(IDC_MAIL_ADDRESS, L"first-b@x");
    first.Click(IDCANCEL);   // stores b
    second.Click(IDCANCEL);  // stores c
    ASSERT_TRUE(first.WaitForExit(10000));
    ASSERT_TRUE(second.WaitForExit(10000));
    EXPECT_EQ(folder.Read(L"Pivlon.ini"),
              "[a]\r\nMailAddr=\r\nMemberNo=0\r\nPassword=\r\n"
              "[b]\r\nMailAddr=first-b@x\r\nMemberNo=0\r\nPassword=\r\n"
              "[c]\r\nMailAddr=second-c@x\r\nMemberNo=33\r\nPassword=\r\n");
}

}  // namespace
}  // namespace pivlon::e2e
