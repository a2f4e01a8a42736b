// Walks both tables, so that a row added half-filled fails here rather than in a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tables/Operations.h"
#include "tables/ServerFamilies.h"
#include "ui/Page.h"

namespace pivlon {
namespace {

using enum CommandOperation;

// What is missing from an operation row on its own.
std::vector<std::string> OperationRowGaps(const OperationRow& row) {
    std::vector<std::string> gaps;
    if (row.page < 0 || row.page >= kPageCount)
        gaps.push_back("no page");
    if (row.option < 0)
        gaps.push_back("no option");
    if (row.optionControl <= 0)
        gaps.push_back("no option control");
    if (row.dumpLabel.size() < 3 || !row.dumpLabel.starts_with(' ') ||
        !row.dumpLabel.ends_with(' '))
        gaps.push_back("no dump label between blanks");
    if (row.dumpPosition < 1)
        gaps.push_back("no dump position");
    if (row.mails.empty())
        gaps.push_back("no mail");
    return gaps;
}

// What a family row lacks, its mails in the operation rows included.
std::vector<std::string> FamilyRowGaps(const ServerFamily& family) {
    std::vector<std::string> gaps;
    if (family.name.empty())
        gaps.push_back("no name");
    if (family.offers.empty())
        gaps.push_back("offers nothing");
    for (const CommandOperation operation : family.offers) {
        if (FindMail(RowOf(operation), family.serverType) == nullptr)
            gaps.push_back("no mail for offered operation " +
                           std::to_string(static_cast<int>(operation)));
    }
    return gaps;
}

TEST(TablesTest, EveryOperationRowIsFilled) {
    for (const OperationRow& row : Operations()) {
        SCOPED_TRACE(static_cast<int>(row.operation));
        EXPECT_EQ(OperationRowGaps(row), std::vector<std::string>{});
        EXPECT_EQ(&RowOf(row.operation), &row);
    }
}

TEST(TablesTest, OptionsControlsAndDumpPositionsAreEachTakenOnce) {
    std::set<std::pair<int, int>> pageOptions;
    std::set<int> controls;
    std::vector<int> positions;
    for (const OperationRow& row : Operations()) {
        pageOptions.insert({row.page, row.option});
        controls.insert(row.optionControl);
        positions.push_back(row.dumpPosition);
    }
    const std::size_t count = Operations().size();
    EXPECT_EQ(pageOptions.size(), count);
    EXPECT_EQ(controls.size(), count);
    std::ranges::sort(positions);
    for (std::size_t index = 0; index < count; ++index)
        EXPECT_EQ(positions[index], static_cast<int>(index) + 1);
    // A page's options count from 0 without a gap, as its option buttons do.
    for (const auto& [page, option] : pageOptions) {
        if (option > 0) {
            EXPECT_TRUE(pageOptions.contains({page, option - 1})) << page << ", " << option;
        }
    }
}

TEST(TablesTest, EveryFamilyIsNamedAndHasAMailForEachOperationItOffers) {
    std::set<int> types;
    for (const ServerFamily& family : ServerFamilies()) {
        SCOPED_TRACE(family.serverType);
        EXPECT_EQ(FamilyRowGaps(family), std::vector<std::string>{});
        EXPECT_EQ(FindServerFamily(family.serverType), &family);
        types.insert(family.serverType);
    }
    EXPECT_EQ(types.size(), ServerFamilies().size());
    EXPECT_EQ(FindServerFamily(0), nullptr);
}

TEST(TablesTest, NoMailIsWrittenForAFamilyThatDoesNotOfferItsOperation) {
    for (const OperationRow& row : Operations()) {
        for (const FamilyMail& mail : row.mails) {
            const ServerFamily* family = FindServerFamily(mail.serverType);
            ASSERT_NE(family, nullptr) << mail.serverType;
            EXPECT_TRUE(family->Offers(row.operation))
                << family->name << ", " << static_cast<int>(row.operation);
        }
    }
}

TEST(TablesTest, AHalfFilledRowIsFound) {
    const std::array<FamilyMail, 1> mails{
        {{99, Template("TO: %s\n", {TemplateField::commandAddress})}}};
    const std::vector<OperationRow> operations = {
        {Join, mails, false, -1, 0, 1002, " x ", 1}, {Join, mails, false, 0, 0, 0, " x ", 1},
        {Join, mails, false, 0, 0, 1002, "", 1},     {Join, mails, false, 0, 0, 1002, " x ", 0},
        {Join, {}, false, 0, 0, 1002, " x ", 1},
    };
    for (const OperationRow& row : operations)
        EXPECT_EQ(OperationRowGaps(row).size(), 1u);

    const std::array offers{Join, Pause};
    const std::vector<ServerFamily> families = {
        {99, "", offers, {}},                              // no name, and no mail for Join or Pause
        {ServerType::Majordomo, "Majordomo", offers, {}},  // no Majordomo mail for Pause
    };
    EXPECT_EQ(FamilyRowGaps(families[0]).size(), 3u);
    EXPECT_EQ(FamilyRowGaps(families[1]),
              std::vector<std::string>{"no mail for offered operation 2"});
}

}  // namespace
}  // namespace pivlon
