#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "CliRun.h"
#include "cli/ExitStatus.h"
#include "platform/StdProfileStore.h"
#include "support/ScratchDirectory.h"

namespace pivlon::cli {
namespace {

using testing::RunCli;

const std::string kCatalog = "; lists\n[hiking]\r\nType=3\r\nTo=hiking@cml.example.jp";
const std::string kFmlMail =
    "X-ML-Name: elena\nX-MLServer: fml [fml 4.0.3 release (20011202/4.0.3)]\n"
    "List-ID: =?UTF-8?Q?=E6=98=A0=E7=94=BB_ML?= <elena.example.jp>\n"
    "List-Help: <mailto:elena-ctl@example.jp?body=help>\n\nbody\n";

class ImportCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_ / "catalog");
        Write("catalog/Pivlon.dat", kCatalog);
        Write("fml.eml", kFmlMail);
        std::filesystem::current_path(folder_);
    }
    // Out of the folder before it is removed.
    void TearDown() override {
        std::filesystem::current_path(std::filesystem::temp_directory_path());
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    // Every run starts in the folder of the mails, as a user's would.
    testing::CliRun Run(const std::vector<std::string>& arguments) {
        std::filesystem::current_path(folder_);
        return RunCli(store_, arguments);
    }
    std::string Catalog() {
        std::ifstream file(folder_ / "catalog/Pivlon.dat", std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    pivlon::testing::ScratchDirectory scratch_{"pivlon-cli-import-"};
    const std::filesystem::path folder_ = scratch_.Path();
    StdProfileStore store_;
};

// The mail is named relative to the folder the program started in, the catalog is
// the one of --folder.
TEST_F(ImportCliTest, WritesTheSectionOnceAndNeverOverAList) {
    const testing::CliRun first = Run({"--folder", "catalog", "import", "fml.eml", "--write"});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "[elena]\nType=2\nTo=elena-ctl@example.jp\nInfo1=映画 ML\n");
    EXPECT_NE(first.err.find("pivlon-cli: found family: FML, from X-MLServer: fml [fml 4.0.3"),
              std::string::npos);
    const std::string written = kCatalog +
                                "\r\n[elena]\r\nType=2\r\nTo=elena-ctl@example.jp\r\n"
                                "Info1=\x89\x66\x89\xE6 ML\r\n";
    EXPECT_EQ(Catalog(), written);

    Write("other.eml", "Sender: owner-ELENA@lists.example.org\n");
    const testing::CliRun again = Run({"import", "other.eml", "--write", "--folder", "catalog"});
    EXPECT_EQ(again.status, static_cast<int>(ExitStatus::listExists));
    EXPECT_EQ(again.out, "");
    EXPECT_NE(again.err.find("the catalog already has a list 'ELENA'"), std::string::npos);
    EXPECT_EQ(Catalog(), written);
}

TEST_F(ImportCliTest, RefusesWhatIsNoListMailChangingNothing) {
    Write("empty.eml", "");
    Write("binary.eml", std::string("GIF89a\0\0", 8));
    Write("letter.txt", "Dear all,\nsee you.\n");
    Write("plain.eml", "From: a@example.com\nSubject: hi\n\nhello\n");
    const struct {
        const char* mail;
        ExitStatus status;
        const char* message;
    } cases[] = {
        {"empty.eml", ExitStatus::notAMail, "empty.eml: an empty file, not a mail"},
        {"binary.eml", ExitStatus::notAMail, "binary.eml: binary data, not a mail"},
        {"letter.txt", ExitStatus::notAMail, "letter.txt: not a mail: its first line is no"},
        {"missing.eml", ExitStatus::mailUnreadable, "missing.eml: no such file"},
        {"plain.eml", ExitStatus::evidenceMissing,
         "missing family: no header tells the list's server; give --type"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mail);
        const testing::CliRun run = Run({"--folder", "catalog", "import", c.mail, "--write"});
        EXPECT_EQ(run.status, static_cast<int>(c.status));
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(Catalog(), kCatalog);
    }
}

}  // namespace
}  // namespace pivlon::cli
