#include "platform/StdProfileStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

using namespace std::string_literals;

namespace pivlon {
namespace {

namespace fs = std::filesystem;

class StdProfileStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A random part keeps the folders of test runs side by side apart.
        folder_ = fs::temp_directory_path() /
                  ("pivlon-store-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                   "-" + std::to_string(std::random_device{}()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
    StdProfileStore store_;
};

TEST_F(StdProfileStoreTest, AMissingFileReadsEmptyAndAnUnreadableOneAsNothing) {
    EXPECT_EQ(store_.Read(PathOf("absent.ini")), "");
    // A folder in the file's place exists but cannot be read as a file, even by root.
    fs::create_directory(PathOf("folder.ini"));
    EXPECT_EQ(store_.Read(PathOf("folder.ini")), std::nullopt);
}

// The store reuses its memory from read to read: no read may show another file's bytes.
TEST_F(StdProfileStoreTest, EachReadGivesThatFileAlone) {
    ASSERT_TRUE(store_.Replace(PathOf("large.ini"), std::string(100000, 'L')));
    ASSERT_TRUE(store_.Replace(PathOf("small.ini"), "[s]\r\n"));
    EXPECT_EQ(store_.Read(PathOf("large.ini")), std::string(100000, 'L'));
    EXPECT_EQ(store_.Read(PathOf("small.ini")), "[s]\r\n");
    EXPECT_EQ(store_.Read(PathOf("absent.ini")), "");
    EXPECT_EQ(store_.Read(PathOf("large.ini")), std::string(100000, 'L'));
}

TEST_F(StdProfileStoreTest, ReplaceWritesExactBytesAndLeavesNoStagingFile) {
    const std::string bytes = "[a]\r\nk=\x83\x65\x83\x58\x83\x67\r\n\0tail"s;
    ASSERT_TRUE(store_.Replace(PathOf("x.ini"), bytes));
    EXPECT_EQ(store_.Read(PathOf("x.ini")), bytes);
    ASSERT_TRUE(store_.Replace(PathOf("x.ini"), "short"));
    EXPECT_EQ(store_.Read(PathOf("x.ini")), "short");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(StdProfileStoreTest, RefusedReplaceKeepsTheOldFileWhole) {
    ASSERT_TRUE(store_.Replace(PathOf("x.ini"), "[old]\r\nk=v\r\n"));
    // A folder where the new content would go makes the write fail even for root.
    fs::create_directory(PathOf("x.ini.new"));
    EXPECT_FALSE(store_.Replace(PathOf("x.ini"), "[new]\r\n"));
    EXPECT_EQ(store_.Read(PathOf("x.ini")), "[old]\r\nk=v\r\n");
}

}  // namespace
}  // namespace pivlon
