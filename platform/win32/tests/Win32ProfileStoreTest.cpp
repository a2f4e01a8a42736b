#include "platform/win32/Win32ProfileStore.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "platform/win32/Encoding.h"
#include "tests/support/win32/ScratchFolder.h"

using namespace std::string_literals;

namespace pivlon::win32 {
namespace {

using pivlon::testing::ScratchFolder;

class Win32ProfileStoreTest : public ::testing::Test {
  protected:
    // The store takes the core's Shift-JIS paths.
    std::string PathOf(const std::wstring& name) const { return Narrow(folder_.PathOf(name)); }
    // Another program's handle on a file of the folder, opened with this sharing.
    HANDLE HoldOpen(const std::wstring& name, DWORD access, DWORD sharing) const {
        return CreateFileW(folder_.PathOf(name).c_str(), access, sharing, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder_.Path()),
                          std::filesystem::directory_iterator()));
    }

    ScratchFolder folder_;
    Win32ProfileStore store_;
};

TEST_F(Win32ProfileStoreTest, AMissingFileReadsEmptyAndAnUnreadableOneAsNothing) {
    EXPECT_EQ(store_.Read(PathOf(L"absent.ini")), "");
    EXPECT_EQ(store_.Read(PathOf(L"absent\\x.ini")), "");
    std::filesystem::create_directory(folder_.PathOf(L"folder.ini"));
    EXPECT_EQ(store_.Read(PathOf(L"folder.ini")), std::nullopt);
    // A program that keeps a file to itself: the file is there, but not for reading.
    ASSERT_TRUE(folder_.Write(L"locked.ini", "[s]\r\nk=v\r\n"));
    const HANDLE lock = HoldOpen(L"locked.ini", GENERIC_READ, 0);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(store_.Read(PathOf(L"locked.ini")), std::nullopt);
    CloseHandle(lock);
}

// The store reuses its memory from read to read: no read may show another file's bytes.
TEST_F(Win32ProfileStoreTest, EachReadGivesThatFileAloneByteForByte) {
    const std::string large = "[\x83\x65\x83\x58\x83\x67]\r\nk=\0v\n"s + std::string(100000, 'L');
    ASSERT_TRUE(folder_.Write(L"large.ini", large));
    ASSERT_TRUE(folder_.Write(L"small.ini", "[s]\r"));
    EXPECT_EQ(store_.Read(PathOf(L"large.ini")), large);
    EXPECT_EQ(store_.Read(PathOf(L"small.ini")), "[s]\r");
    EXPECT_EQ(store_.Read(PathOf(L"absent.ini")), "");
    EXPECT_EQ(store_.Read(PathOf(L"large.ini")), large);
}

TEST_F(Win32ProfileStoreTest, AFileAnotherProgramIsWritingCanBeRead) {
    ASSERT_TRUE(folder_.Write(L"open.ini", "[s]\r\nk=v\r\n"));
    const HANDLE writer = HoldOpen(L"open.ini", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(store_.Read(PathOf(L"open.ini")), "[s]\r\nk=v\r\n");
    CloseHandle(writer);
}

TEST_F(Win32ProfileStoreTest, ReplaceWritesExactBytesUnderAShiftJisNameAndLeavesNoStagingFile) {
    const std::wstring name = L"\u30e1\u30f3\u30d0\u30fc.ini";  // "メンバー.ini"
    const std::string bytes = "[a]\r\nk=\x83\x65\x83\x58\x83\x67\r\n\0tail"s;
    ASSERT_TRUE(store_.Replace(PathOf(name), bytes));
    EXPECT_EQ(folder_.Read(name), bytes);
    ASSERT_TRUE(store_.Replace(PathOf(name), "short"));
    EXPECT_EQ(store_.Read(PathOf(name)), "short");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(Win32ProfileStoreTest, RefusedReplaceKeepsTheOldFileWhole) {
    ASSERT_TRUE(store_.Replace(PathOf(L"x.ini"), "[old]\r\nk=v\r\n"));
    // A folder where the new content would go.
    std::filesystem::create_directory(folder_.PathOf(L"x.ini.new"));
    EXPECT_FALSE(store_.Replace(PathOf(L"x.ini"), "[new]\r\n"));
    EXPECT_EQ(folder_.Read(L"x.ini"), "[old]\r\nk=v\r\n");
    std::filesystem::remove(folder_.PathOf(L"x.ini.new"));
    // A program holding the old file without letting it be replaced.
    const HANDLE holder = HoldOpen(L"x.ini", GENERIC_READ, FILE_SHARE_READ);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(store_.Replace(PathOf(L"x.ini"), "[new]\r\n"));
    CloseHandle(holder);
    EXPECT_EQ(folder_.Read(L"x.ini"), "[old]\r\nk=v\r\n");
    EXPECT_EQ(FilesInFolder(), 1u);
}

}  // namespace
}  // namespace pivlon::win32
