#include "platform/StdProfileStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalog/ProfileImage.h"
#include "support/ScratchDirectory.h"

using namespace std::string_literals;

namespace pivlon {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::optional<std::string> BytesOf(const std::shared_ptr<const ProfileImage>& image) {
    return image ? std::optional<std::string>(image->Bytes()) : std::nullopt;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class StdProfileStoreTest : public ::testing::Test {
  protected:
    std::string PathOf(const std::string& name) const { return (folder_.Path() / name).string(); }
    std::optional<std::string> ReadBytes(const std::string& name) {
        return BytesOf(store_.Read(PathOf(name)));
    }

    testing::ScratchDirectory folder_{"pivlon-store-"};
    StdProfileStore store_;
};

TEST_F(StdProfileStoreTest, AMissingFileReadsEmptyAndAnUnreadableOneAsNothing) {
    EXPECT_EQ(ReadBytes("absent.ini"), "");
    // A folder in the file's place exists but cannot be read as a file, even by root.
    fs::create_directory(PathOf("folder.ini"));
    EXPECT_EQ(ReadBytes("folder.ini"), std::nullopt);
}

// Each image is its holder's for as long as it is held, whatever is read after it.
TEST_F(StdProfileStoreTest, AnImageOutlivesTheReadsAfterIt) {
    ASSERT_TRUE(store_.Replace(PathOf("large.ini"), std::string(100000, 'L')));
    ASSERT_TRUE(store_.Replace(PathOf("small.ini"), "[s]\r\nk=v\r\n"));
    std::vector<std::shared_ptr<const ProfileImage>> held;
    for (const char* name : {"small.ini", "large.ini", "absent.ini", "small.ini", "large.ini"})
        held.push_back(store_.Read(PathOf(name)));
    ASSERT_TRUE(store_.Replace(PathOf("small.ini"), "[s]\r\nk=w\r\n"));
    EXPECT_EQ(held[0]->ReadString("s", "k", 128), "v");
    EXPECT_EQ(held[1]->Bytes(), std::string(100000, 'L'));
    EXPECT_EQ(held[2]->Bytes(), "");
    EXPECT_EQ(held[3]->Bytes(), "[s]\r\nk=v\r\n");
    EXPECT_EQ(held[4]->Bytes(), std::string(100000, 'L'));
}

// An old file is parsed once and then handed out again; one written less than two
// seconds ago is read afresh every time.
TEST_F(StdProfileStoreTest, OnlyASettledUnchangedFileIsNotReadAgain) {
    WriteFile(PathOf("old.ini"), "[s]\r\n");
    fs::last_write_time(PathOf("old.ini"), fs::file_time_type::clock::now() - 1h);
    WriteFile(PathOf("young.ini"), "[s]\r\n");
    EXPECT_EQ(store_.Read(PathOf("old.ini")), store_.Read(PathOf("old.ini")));
    EXPECT_NE(store_.Read(PathOf("young.ini")), store_.Read(PathOf("young.ini")));
}

struct ChangeCase {
    const char* change;
    std::chrono::seconds age;  // of the file's last write when it was first read
    std::function<void(const fs::path&)> apply;
    std::optional<std::string> expected;
};

// Every way a file can change between two reads shows at the second read.
TEST_F(StdProfileStoreTest, EveryChangeShowsAtTheNextRead) {
    const std::string before = "[s]\r\nk=old\r\n";
    const auto sameTime = [](const fs::path& path, const std::function<void()>& write) {
        const fs::file_time_type time = fs::last_write_time(path);
        write();
        fs::last_write_time(path, time);
    };
    const ChangeCase cases[] = {
        {"another value", 1h, [](const fs::path& p) { WriteFile(p, "[s]\r\nk=other\r\n"); },
         "[s]\r\nk=other\r\n"},
        {"same size, new time", 1h,
         [](const fs::path& p) {
             WriteFile(p, "[s]\r\nk=new\r\n");
             fs::last_write_time(p, fs::file_time_type::clock::now() - 30min);
         },
         "[s]\r\nk=new\r\n"},
        {"same size, same time, younger than 2 s", 1s,
         [&](const fs::path& p) { sameTime(p, [&] { WriteFile(p, "[s]\r\nk=new\r\n"); }); },
         "[s]\r\nk=new\r\n"},
        {"replaced by another of the same size and time", 1h,
         [&](const fs::path& p) {
             const fs::path other = p.string() + ".other";
             WriteFile(other, "[s]\r\nk=new\r\n");
             fs::last_write_time(other, fs::last_write_time(p));
             fs::rename(other, p);
         },
         "[s]\r\nk=new\r\n"},
        {"deleted", 1h, [](const fs::path& p) { fs::remove(p); }, ""},
        {"made unreadable", 1h,
         [](const fs::path& p) {
             fs::remove(p);
             fs::create_directory(p);
         },
         std::nullopt},
    };
    for (const ChangeCase& c : cases) {
        const fs::path path = PathOf("catalog.ini");
        fs::remove_all(path);
        WriteFile(path, before);
        fs::last_write_time(path, fs::file_time_type::clock::now() - c.age);
        ASSERT_EQ(ReadBytes("catalog.ini"), before) << c.change;
        c.apply(path);
        EXPECT_EQ(ReadBytes("catalog.ini"), c.expected) << c.change;
    }
}

TEST_F(StdProfileStoreTest, ReplaceWritesExactBytesAndLeavesNoStagingFile) {
    const std::string bytes = "[a]\r\nk=\x83\x65\x83\x58\x83\x67\r\n\0tail"s;
    ASSERT_TRUE(store_.Replace(PathOf("x.ini"), bytes));
    EXPECT_EQ(ReadBytes("x.ini"), bytes);
    ASSERT_TRUE(store_.Replace(PathOf("x.ini"), "short"));
    EXPECT_EQ(ReadBytes("x.ini"), "short");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()), 1);
}

TEST_F(StdProfileStoreTest, RefusedReplaceKeepsTheOldFileWhole) {
    ASSERT_TRUE(store_.Replace(PathOf("x.ini"), "[old]\r\nk=v\r\n"));
    // A folder where the new content would go makes the write fail even for root.
    fs::create_directory(PathOf("x.ini.new"));
    EXPECT_FALSE(store_.Replace(PathOf("x.ini"), "[new]\r\n"));
    EXPECT_EQ(ReadBytes("x.ini"), "[old]\r\nk=v\r\n");
}

}  // namespace
}  // namespace pivlon
