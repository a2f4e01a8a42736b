// The hidden test button of the real program: "debug.txt" for a catalog of every kind.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "PivlonDriver.h"
#include "platform/win32/Encoding.h"
#include "tests/support/win32/ScratchFolder.h"
#include "tests/support/win32/Standins.h"
#include "ui/ResourceIds.h"

namespace pivlon::e2e {
namespace {

using testing::PivlonExe;
using testing::ScratchFolder;

std::string DataFile(const char* name) {
    std::ifstream in(std::string(PIVLON_E2E_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const MessageBoxSeen kCatalogError{L"設定ファイルに異常があります\n作者に連絡して下さい", L"エラー",
                                   false};

class DumpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.Write(L"Pivlon.dat", DataFile("dump-catalog.dat"));
        folder_.Write(
            L"Pivlon.ini",
            "[ml-majordomo]\r\nMailAddr=me@example.org\r\nMemberNo=1234\r\nPassword=pw\r\n");
        pivlon_ = std::make_unique<PivlonDriver>(PivlonExe(), folder_.Path().wstring());
        pivlon_->Type(IDC_NEW_ADDRESS, L"new@example.org");
        pivlon_->Click(IDC_SPECIFY_ADDRESS);
        pivlon_->Type(IDC_MAIL_NUMBERS, L"7-9");
        pivlon_->Click(IDC_JOIN);  // an option click takes the typed values in
    }

    ScratchFolder folder_;
    std::unique_ptr<PivlonDriver> pivlon_;
};

TEST_F(DumpTest, WritesEveryCommandOfEveryListReplacingAnOldDump) {
    folder_.Write(L"debug.txt", std::string(20000, 'x'));
    const auto boxes = pivlon_->Click(IDC_TEST);
    // Type 7; the missing To; the two digest commands of the list without dijest.
    EXPECT_EQ(boxes, std::vector<MessageBoxSeen>(4, kCatalogError));
    EXPECT_EQ(folder_.Read(L"debug.txt"), DataFile("expected-debug.txt"));
    EXPECT_EQ(pivlon_->Text(IDC_MAIL_NUMBERS), L"7-9");
    EXPECT_EQ(pivlon_->Text(IDC_TYPE_LABEL), L"Majordomo");
    EXPECT_EQ(pivlon_->SelectedListEntry(), 0);
}

TEST_F(DumpTest, ADumpThatCannotBeCreatedIsReportedAndTheWindowStaysUsable) {
    const std::wstring path = folder_.PathOf(L"debug.txt");
    folder_.Write(L"debug.txt", "held by another program");
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto boxes = pivlon_->Click(IDC_TEST);
    CloseHandle(held);
    const MessageBoxSeen sharingViolation{L"debug.txt へのｱｸｾｽ中に共有違反が発生しました。",
                                          L"pivlon", true};
    EXPECT_EQ(boxes, std::vector<MessageBoxSeen>{sharingViolation});
    EXPECT_EQ(folder_.Read(L"debug.txt"), "held by another program");

    EXPECT_TRUE(pivlon_->SelectList(1).empty());
    EXPECT_EQ(pivlon_->Text(IDC_TYPE_LABEL), L"FML");
    pivlon_->Click(IDCANCEL);
    EXPECT_TRUE(pivlon_->WaitForExit(10000));
}

}  // namespace
}  // namespace pivlon::e2e
