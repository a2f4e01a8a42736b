#include "platform/win32/Win32ProfileStore.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalog/ProfileImage.h"
#include "platform/win32/Encoding.h"
#include "tests/support/win32/ScratchFolder.h"

using namespace std::string_literals;

namespace pivlon::win32 {
namespace {

using pivlon::testing::ScratchFolder;

constexpr std::int64_t kTicksPerSecond = 10'000'000;  // of a FILETIME

std::optional<std::string> BytesOf(const std::shared_ptr<const ProfileImage>& image) {
    return image ? std::optional<std::string>(image->Bytes()) : std::nullopt;
}

FILETIME SecondsAgo(std::int64_t seconds) {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks{{now.dwLowDateTime, now.dwHighDateTime}};
    ticks.QuadPart -= static_cast<std::uint64_t>(seconds * kTicksPerSecond);
    return {ticks.LowPart, ticks.HighPart};
}

FILETIME LastWriteOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

bool SetLastWrite(const std::wstring& path, const FILETIME& time) {
    const HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool set = SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
    return set;
}

class Win32ProfileStoreTest : public ::testing::Test {
  protected:
    // The store takes the core's Shift-JIS paths.
    std::string PathOf(const std::wstring& name) const { return Narrow(folder_.PathOf(name)); }
    // Another program's handle on a file of the folder, opened with this sharing.
    HANDLE HoldOpen(const std::wstring& name, DWORD access, DWORD sharing) const {
        return CreateFileW(folder_.PathOf(name).c_str(), access, sharing, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    std::optional<std::string> ReadBytes(const std::wstring& name) {
        return BytesOf(store_.Read(PathOf(name)));
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
    EXPECT_EQ(ReadBytes(L"absent.ini"), "");
    EXPECT_EQ(ReadBytes(L"absent\\x.ini"), "");
    std::filesystem::create_directory(folder_.PathOf(L"folder.ini"));
    EXPECT_EQ(ReadBytes(L"folder.ini"), std::nullopt);
    // A program that keeps a file to itself: the file is there, but not for reading.
    ASSERT_TRUE(folder_.Write(L"locked.ini", "[s]\r\nk=v\r\n"));
    const HANDLE lock = HoldOpen(L"locked.ini", GENERIC_READ, 0);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadBytes(L"locked.ini"), std::nullopt);
    CloseHandle(lock);
}

// Each image is its holder's for as long as it is held, whatever is read after it.
TEST_F(Win32ProfileStoreTest, AnImageOutlivesTheReadsAfterItByteForByte) {
    const std::string large = "[\x83\x65\x83\x58\x83\x67]\r\nk=\0v\n"s + std::string(100000, 'L');
    ASSERT_TRUE(folder_.Write(L"large.ini", large));
    ASSERT_TRUE(folder_.Write(L"small.ini", "[s]\r"));
    std::vector<std::shared_ptr<const ProfileImage>> held;
    for (const wchar_t* name : {L"large.ini", L"small.ini", L"absent.ini", L"large.ini"})
        held.push_back(store_.Read(PathOf(name)));
    ASSERT_TRUE(folder_.Write(L"large.ini", "[s]\r\n"));
    EXPECT_EQ(held[0]->Bytes(), large);
    EXPECT_EQ(held[1]->Bytes(), "[s]\r");
    EXPECT_EQ(held[2]->Bytes(), "");
    EXPECT_EQ(held[3]->Bytes(), large);
}

// An old file is parsed once and then handed out again; one written less than two
// seconds ago is read afresh every time.
TEST_F(Win32ProfileStoreTest, OnlyASettledUnchangedFileIsNotReadAgain) {
    ASSERT_TRUE(folder_.Write(L"old.ini", "[s]\r\n"));
    ASSERT_TRUE(SetLastWrite(folder_.PathOf(L"old.ini"), SecondsAgo(3600)));
    ASSERT_TRUE(folder_.Write(L"young.ini", "[s]\r\n"));
    EXPECT_EQ(store_.Read(PathOf(L"old.ini")), store_.Read(PathOf(L"old.ini")));
    EXPECT_NE(store_.Read(PathOf(L"young.ini")), store_.Read(PathOf(L"young.ini")));
}

struct ChangeCase {
    const char* change;
    std::int64_t age;  // in seconds, of the file's last write when it was first read
    std::function<bool(const ScratchFolder&, const std::wstring&)> apply;
    std::optional<std::string> expected;
};

// Every way a file can change between two reads shows at the second read.
TEST_F(Win32ProfileStoreTest, EveryChangeShowsAtTheNextRead) {
    const std::string before = "[s]\r\nk=old\r\n";
    const std::string same = "[s]\r\nk=new\r\n";
    const ChangeCase cases[] = {
        {"another value", 3600,
         [](const ScratchFolder& f, const std::wstring& n) {
             return f.Write(n, "[s]\r\nk=other\r\n");
         },
         "[s]\r\nk=other\r\n"},
        {"same size, new time", 3600,
         [&](const ScratchFolder& f, const std::wstring& n) {
             return f.Write(n, same) && SetLastWrite(f.PathOf(n), SecondsAgo(1800));
         },
         same},
        {"same size, same time, younger than 2 s", 1,
         [&](const ScratchFolder& f, const std::wstring& n) {
             const FILETIME time = LastWriteOf(f.PathOf(n));
             return f.Write(n, same) && SetLastWrite(f.PathOf(n), time);
         },
         same},
        {"replaced by another of the same size and time", 3600,
         [&](const ScratchFolder& f, const std::wstring& n) {
             const std::wstring other = n + L".other";
             return f.Write(other, same) &&
                    SetLastWrite(f.PathOf(other), LastWriteOf(f.PathOf(n))) &&
                    MoveFileExW(f.PathOf(other).c_str(), f.PathOf(n).c_str(),
                                MOVEFILE_REPLACE_EXISTING);
         },
         same},
        {"deleted", 3600,
         [](const ScratchFolder& f, const std::wstring& n) {
             return DeleteFileW(f.PathOf(n).c_str()) != 0;
         },
         ""},
        {"made unreadable", 3600,
         [](const ScratchFolder& f, const std::wstring& n) {
             return DeleteFileW(f.PathOf(n).c_str()) &&
                    CreateDirectoryW(f.PathOf(n).c_str(), nullptr);
         },
         std::nullopt},
    };
    for (const ChangeCase& c : cases) {
        const std::wstring name = L"catalog.ini";
        std::filesystem::remove_all(folder_.PathOf(name));
        ASSERT_TRUE(folder_.Write(name, before));
        ASSERT_TRUE(SetLastWrite(folder_.PathOf(name), SecondsAgo(c.age)));
        ASSERT_EQ(ReadBytes(name), before) << c.change;
        ASSERT_TRUE(c.apply(folder_, name)) << c.change;
        EXPECT_EQ(ReadBytes(name), c.expected) << c.change;
    }
}

TEST_F(Win32ProfileStoreTest, AFileAnotherProgramIsWritingCanBeRead) {
    ASSERT_TRUE(folder_.Write(L"open.ini", "[s]\r\nk=v\r\n"));
    const HANDLE writer = HoldOpen(L"open.ini", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadBytes(L"open.ini"), "[s]\r\nk=v\r\n");
    CloseHandle(writer);
}

TEST_F(Win32ProfileStoreTest, ReplaceWritesExactBytesUnderAShiftJisNameAndLeavesNoStagingFile) {
    const std::wstring name = L"\u30e1\u30f3\u30d0\u30fc.ini";  // "メンバー.ini"
    const std::string bytes = "[a]\r\nk=\x83\x65\x83\x58\x83\x67\r\n\0tail"s;
    ASSERT_TRUE(store_.Replace(PathOf(name), bytes));
    EXPECT_EQ(folder_.Read(name), bytes);
    ASSERT_TRUE(store_.Replace(PathOf(name), "short"));
    EXPECT_EQ(ReadBytes(name), "short");
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
