#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "CliRun.h"
#include "cli/ExitStatus.h"
#include "cli/OperationNames.h"
#include "fakes/FakeProfileStore.h"
#include "platform/StdProfileStore.h"
#include "support/ScratchDirectory.h"
#include "support/ShiftJisOf.h"
#include "tables/Operations.h"

namespace pivlon::cli {
namespace {

using pivlon::testing::ShiftJisOf;
using testing::CliRun;
using testing::RunCli;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The window program's test dump of the sample catalog: every mail of every
// list, with the dump's member data, in the mail file's own bytes (CR LF).
const std::string kDump = ReadFile(PIVLON_E2E_DATA "/expected-debug.txt");

// One section of a list's record in the dump; "\r\n" where nothing was composed.
std::string DumpedMail(const std::string& listName, const OperationRow& row) {
    const std::size_t record = kDump.find("\r\n<<<<ML Name : " + listName + ">>>>\r\n");
    const std::string heading = "======" + std::string(row.dumpLabel) + "======\r\n";
    const std::size_t start = kDump.find(heading, record) + heading.size();
    return kDump.substr(start, kDump.find("======", start) - start);
}

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy_file(PIVLON_E2E_DATA "/dump-catalog.dat", folder_ / "Pivlon.dat");
        std::ofstream(folder_ / "Pivlon.ini", std::ios::binary) << kSettings;
    }
    // Out of the folder before it is removed.
    void TearDown() override {
        std::filesystem::current_path(std::filesystem::temp_directory_path());
    }

    // The dump test's settings: the first list's member data.
    static constexpr const char* kSettings =
        "[ml-majordomo]\r\nMailAddr=me@example.org\r\nMemberNo=1234\r\nPassword=pw\r\n";
    pivlon::testing::ScratchDirectory scratch_{"pivlon-cli-"};
    const std::filesystem::path folder_ = scratch_.Path();
    StdProfileStore store_;
};

// The dump composes every list with the member data it loaded for the first:
// they come from Pivlon.ini for that list and from the options for the others.
std::vector<std::string> Arguments(const std::filesystem::path& folder, const std::string& list,
                                   CommandOperation operation) {
    std::vector<std::string> arguments = {"--folder",
                                          folder.string(),
                                          "compose",
                                          list,
                                          std::string(NameOf(operation)),
                                          "--new-address",
                                          "new@example.org",
                                          "--numbers",
                                          "1-10,13",
                                          "--specify-address",
                                          "--format",
                                          "raw"};
    if (list != "ml-majordomo") {
        arguments.insert(arguments.end(), {"--address", "me@example.org", "--member-number", "1234",
                                           "--password", "pw"});
    }
    return arguments;
}

TEST_F(CliTest, GivesTheWindowProgramsMailFileForEveryFamilyAndOperation) {
    int composed = 0;
    for (const std::string list : {"ml-majordomo", "日本語リスト", "cml"}) {
        for (const OperationRow& row : Operations()) {
            SCOPED_TRACE(list + " " + std::string(NameOf(row.operation)));
            const CliRun run = RunCli(store_, Arguments(folder_, list, row.operation));
            const std::string dumped = DumpedMail(ShiftJisOf(list), row);
            if (dumped == "\r\n") {
                // Nothing composed: the family does not offer the operation.
                EXPECT_EQ(run.status, static_cast<int>(ExitStatus::notOffered));
                EXPECT_EQ(run.out, "");
                continue;
            }
            ++composed;
            EXPECT_EQ(run.out, dumped);
        }
    }
    // Majordomo lacks pause and resume.
    EXPECT_EQ(composed, 28);
    EXPECT_EQ(ReadFile(folder_ / "Pivlon.ini"), kSettings);
}

struct BadInput {
    std::vector<std::string> arguments;  // after --folder with the sample catalog
    ExitStatus status;
    std::string message;  // the whole line on standard error, or a part where it ends in "..."
};

const BadInput kBadInputs[] = {
    {{"compose", "nosuch", "join"},
     ExitStatus::unknownList,
     "unknown list 'nosuch'; the catalog has: ml-majordomo, 日本語リスト, cml, seven, noto, "
     "nodigest"},
    {{"open", "cml", "dance"},
     ExitStatus::usage,
     "unknown operation 'dance'; the operations are: join leave pause resume change-address "
     "digest-join digest-leave help index get"},
    {{"compose", "seven", "join"},
     ExitStatus::catalogEntryFaulty,
     "list 'seven': the catalog key Type names no server family (1 Majordomo, 2 FML, 3 CML)"},
    {{"compose", "noto", "help"},
     ExitStatus::catalogEntryFaulty,
     "list 'noto': the catalog key To is missing or empty"},
    {{"compose", "NODIGEST", "digest-leave"},
     ExitStatus::catalogEntryFaulty,
     "list 'nodigest': the catalog key dijest is missing or empty"},
    {{"compose", "ml-majordomo", "resume"},
     ExitStatus::notOffered,
     "list 'ml-majordomo' is a Majordomo list, which offers no resume; it offers: join leave "
     "change-address digest-join digest-leave help index get"},
    {{"compose", "cml", "leave", "--member-number", "12x"},
     ExitStatus::memberNumberRefused,
     "--member-number '12x' is not a whole number (the window program refuses it too)"},
    {{"open", "ml-majordomo", "get", "--numbers", "1, 2"},
     ExitStatus::mailNumbersRefused,
     "--numbers '1, 2': a Majordomo list's get takes numbers and ranges such as 1-10,13, digits, "
     "commas and hyphens only; the mail would ask for nothing"},
    {{"compose", "日本語リスト", "change-address", "--new-address", "ｱ", "--format", "eml"},
     ExitStatus::notConvertible,
     "the mail holds a half-width katakana ('ｱ'), which ISO-2022-JP mail cannot carry; use "
     "--format raw or mailto"},
    {{"compose", "cml", "help", "--address", "caf\xc3"},
     ExitStatus::notConvertible,
     "--address holds a character that Shift-JIS lacks, or is not UTF-8"},
    {{"open", "cml", "help"},
     ExitStatus::openFailed,
     "the mail client was not reached: no desktop here"},
    {{"compose", "cml", "help", "--format", "pdf"}, ExitStatus::usage, "--format: pdf not in..."},
    {{"compose", "cml"}, ExitStatus::usage, "OPERATION is required..."},
    {{"lists", "--bogus"},
     ExitStatus::usage,
     "The following argument was not expected: --bogus..."},
};

void ExpectRefused(const CliRun& run, ExitStatus status, const std::string& message) {
    EXPECT_EQ(run.status, static_cast<int>(status));
    EXPECT_EQ(run.out, "");
    const std::string prefix = "pivlon-cli: ";
    if (message.ends_with("...")) {
        EXPECT_TRUE(run.err.starts_with(prefix + message.substr(0, message.size() - 3))) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    } else {
        EXPECT_EQ(run.err, prefix + message + "\n");
    }
}

TEST_F(CliTest, RefusesBadInputWithOneLineAndItsStatus) {
    for (const BadInput& input : kBadInputs) {
        SCOPED_TRACE(input.arguments[0] + " " + input.arguments[1]);
        std::vector<std::string> arguments = {"--folder", folder_.string()};
        arguments.insert(arguments.end(), input.arguments.begin(), input.arguments.end());
        ExpectRefused(RunCli(store_, arguments), input.status, input.message);
    }
}

TEST_F(CliTest, RefusesAMissingOrUnreadableCatalog) {
    std::filesystem::create_directory(folder_ / "empty");
    ExpectRefused(RunCli(store_, {"--folder", (folder_ / "empty").string(), "lists"}),
                  ExitStatus::catalogMissing,
                  "no catalog Pivlon.dat in this folder (give its folder with --folder)");
    ExpectRefused(RunCli(store_, {"compose", "x", "join", "--folder", (folder_ / "none").string()}),
                  ExitStatus::catalogMissing,
                  "--folder " + (folder_ / "none").string() + ": cannot be entered...");
    pivlon::testing::FakeProfileStore unreadable;
    unreadable.unreadable.insert("Pivlon.dat");
    ExpectRefused(RunCli(unreadable, {"--folder", folder_.string(), "compose", "cml", "join"}),
                  ExitStatus::catalogMissing, "the catalog Pivlon.dat cannot be read");
}

TEST_F(CliTest, WarnsWhereTheServerWillNotDoWhatTheOperationIntends) {
    const CliRun run = RunCli(store_, {"--folder", folder_.string(), "compose", "ml-majordomo",
                                       "change-address", "--new-address", "new@example.org"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("TO: mj@example.org\nSubject: Address Change ml-majordomo\n"));
    EXPECT_EQ(run.err,
              "pivlon-cli: warning: Majordomo change-address: both commands act on the sender: "
              "Majordomo removes you from the list and asks you to confirm the same address "
              "again; instead, give --specify-address with --address and --new-address\n");
    EXPECT_EQ(RunCli(store_, {"--folder", folder_.string(), "compose", "ml-majordomo",
                              "change-address", "--specify-address"})
                  .err,
              "");
}

}  // namespace
}  // namespace pivlon::cli
