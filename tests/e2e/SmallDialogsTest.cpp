// The sender-location dialog and the About box of the real program.
#include <windows.h>

#include <dlgs.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "PivlonDriver.h"
#include "platform/win32/Encoding.h"
#include "tests/support/win32/MailClientRunning.h"
#include "tests/support/win32/ScratchFolder.h"
#include "tests/support/win32/Standins.h"
#include "tests/support/win32/TopLevelWindows.h"
#include "ui/ResourceIds.h"

namespace pivlon::e2e {
namespace {

using testing::CloseWindows;
using testing::kSenderProgram;
using testing::MailClientRunning;
using testing::PivlonExe;
using testing::ScratchFolder;
using testing::StandinPath;
using testing::WaitForWindow;

namespace fs = std::filesystem;
using win32::Narrow;

constexpr const char* kCatalog = "[one]\r\nType=1\r\nTo=one@x\r\n[two]\r\nType=2\r\nTo=two@x\r\n";

bool IsSenderPathDialog(HWND dialog) {
    return GetDlgItem(dialog, IDC_BROWSE) != nullptr;
}

// The file-open dialog's name field: a combo box in the explorer layout, an edit in the old one.
HWND FileNameField(HWND dialog) {
    HWND field = GetDlgItem(dialog, cmb13);
    return field ? field : GetDlgItem(dialog, edt1);
}

class SmallDialogsTest : public ::testing::Test {
  protected:
    SmallDialogsTest() { folder_.Write(L"Pivlon.dat", kCatalog); }
    PivlonDriver& Start() {
        pivlon_ = std::make_unique<PivlonDriver>(PivlonExe(), folder_.Path().wstring());
        return *pivlon_;
    }
    // Chooses the sender by typing `path` and pressing OK.
    void ChooseSender(const std::wstring& path) {
        pivlon_->WithDialogs(WM_COMMAND, IDM_CHOOSE_SENDER, [&](HWND dialog) {
            SetWindowTextW(GetDlgItem(dialog, IDC_SENDER_PATH), path.c_str());
            PostClick(dialog, IDOK);
        });
    }
    // Browses for `typed` in the file-open dialog, then ends the sender-location dialog with
    // `ending`.
    std::wstring BrowseFor(const std::wstring& typed, int ending) {
        bool browsed = false;
        std::wstring shown;
        pivlon_->WithDialogs(WM_COMMAND, IDM_CHOOSE_SENDER, [&](HWND dialog) {
            if (!IsSenderPathDialog(dialog)) {
                SetWindowTextW(FileNameField(dialog), typed.c_str());
                PostClick(dialog, IDOK);
            } else if (!browsed) {
                browsed = true;
                PostClick(dialog, IDC_BROWSE);
            } else {
                shown = TextOf(GetDlgItem(dialog, IDC_SENDER_PATH));
                PostClick(dialog, ending);
            }
        });
        return shown;
    }

    ScratchFolder folder_;
    std::unique_ptr<PivlonDriver> pivlon_;
};

TEST_F(SmallDialogsTest, ASenderPathWithBlanksIsStoredAndStartedAsItStands) {
    const fs::path folder = folder_.Path() / L"Program Files" / L"Ko Post";
    fs::create_directories(folder);
    fs::copy_file(StandinPath(kSenderProgram), folder / L"Dravex.exe");
    const std::wstring sender = (folder / L"Dravex.exe").wstring();
    // The sender inherits the capture setting through the program's environment.
    const std::wstring capture = folder_.PathOf(L"capture");
    SetEnvironmentVariableW(L"PIVLON_SENDER_CAPTURE", capture.c_str());
    Start();
    SetEnvironmentVariableW(L"PIVLON_SENDER_CAPTURE", nullptr);
    ChooseSender(sender);
    EXPECT_EQ(folder_.Read(L"Pivlon.ini"), "[Pivlon]\r\nDravex=" + Narrow(sender) + "\r\n");

    MailClientRunning mailClient;
    EXPECT_TRUE(pivlon_->Click(IDC_SEND).empty());
    ASSERT_NE(WaitForWindow(L"DravexEditor", 10000), nullptr);
    CloseWindows(L"DravexEditor");
    EXPECT_EQ(folder_.Read(L"capture.cmdline").rfind(Narrow(sender) + " /H=", 0), 0u)
        << folder_.Read(L"capture.cmdline");
}

TEST_F(SmallDialogsTest, AnEmptyPathIsStoredEmptyAndSendFallsBackToTheDefault) {
    folder_.Write(L"Pivlon.ini", "[Pivlon]\r\nDravex=C:\\old\\Dravex.exe\r\n");
    Start();
    pivlon_->Type(IDC_MAIL_ADDRESS, L"typed, not yet taken");
    ChooseSender(L"");
    EXPECT_EQ(folder_.Read(L"Pivlon.ini"), "[Pivlon]\r\nDravex=\r\n");
    EXPECT_EQ(pivlon_->Text(IDC_MAIL_ADDRESS), L"");  // the controls were loaded again

    MailClientRunning mailClient;
    const auto boxes = pivlon_->Click(IDC_SEND);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.starts_with(L"DRAVEX.EXE /H=")) << Narrow(boxes[0].text);
}

TEST_F(SmallDialogsTest, CancelAfterBrowsingKeepsEverything) {
    folder_.Write(L"picked.exe", "");
    Start();
    EXPECT_EQ(BrowseFor(folder_.PathOf(L"picked.exe"), IDCANCEL), folder_.PathOf(L"picked.exe"));
    EXPECT_FALSE(folder_.Exists(L"Pivlon.ini"));
}

TEST_F(SmallDialogsTest, BrowsingElsewhereLeavesTheWorkingFolderAndAddsTheExtension) {
    const fs::path elsewhere = folder_.Path() / L"elsewhere";
    fs::create_directories(elsewhere);
    std::ofstream(elsewhere / L"sender.exe").put('x');
    Start();
    const std::wstring chosen = (elsewhere / L"sender.exe").wstring();
    EXPECT_EQ(BrowseFor((elsewhere / L"sender").wstring(), IDOK), chosen);
    pivlon_->Type(IDC_MAIL_ADDRESS, L"still here");
    pivlon_->SelectList(1);
    EXPECT_EQ(folder_.Read(L"Pivlon.ini"), "[Pivlon]\r\nDravex=" + Narrow(chosen) +
                                               "\r\n[one]\r\nMailAddr=still here\r\n"
                                               "MemberNo=0\r\nPassword=\r\n");
    EXPECT_FALSE(fs::exists(elsewhere / L"Pivlon.ini"));
}

enum class CloseBy { OkButton, EscapeKey, CloseBox };

class AboutBoxTest : public SmallDialogsTest, public ::testing::WithParamInterface<CloseBy> {};

TEST_P(AboutBoxTest, ShowsTheVersionAndClosesEveryWay) {
    Start();
    for (WPARAM command : {WPARAM{16}, WPARAM{31}}) {
        std::wstring caption, version, notice;
        int answers = 0;
        pivlon_->WithDialogs(WM_SYSCOMMAND, command, [&](HWND dialog) {
            ++answers;
            caption = TextOf(dialog);
            version = TextOf(GetDlgItem(dialog, IDC_ABOUT_VERSION));
            notice = TextOf(GetDlgItem(dialog, IDC_ABOUT_NOTICE));
            switch (GetParam()) {
                case CloseBy::OkButton:
                    PostClick(dialog, IDOK);
                    break;
                case CloseBy::EscapeKey:
                    PostMessageW(GetDlgItem(dialog, IDOK), WM_KEYDOWN, VK_ESCAPE, 1);
                    break;
                case CloseBy::CloseBox:
                    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
                    break;
            }
        });
        EXPECT_EQ(answers, 1);
        EXPECT_EQ(caption, L"ﾊﾞｰｼﾞｮﾝ情報 pivlon");
        EXPECT_EQ(version, L"Pivlon Version 1.3");
        EXPECT_EQ(notice, L"ﾒｰﾘﾝｸﾞﾘｽﾄ ｺﾏﾝﾄﾞﾒｰﾙ作成ﾂｰﾙ");
    }
    EXPECT_FALSE(folder_.Exists(L"Pivlon.ini"));
}

std::string CloseName(const ::testing::TestParamInfo<CloseBy>& info) {
    constexpr const char* kNames[] = {"OkButton", "EscapeKey", "CloseBox"};
    return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutBoxTest,
                         ::testing::Values(CloseBy::OkButton, CloseBy::EscapeKey,
                                           CloseBy::CloseBox),
                         CloseName);

}  // namespace
}  // namespace pivlon::e2e
