#include "ui/PageRules.h"

#include <gtest/gtest.h>

#include <set>

#include "command/CommandRequest.h"
#include "fakes/FakeDialogHost.h"

namespace pivlon {
namespace {

using testing::FakeDialogHost;

const std::initializer_list<int> kJoinLeave{IDC_JOIN,
                                            IDC_LEAVE,
                                            IDC_SPECIFY_ADDRESS,
                                            IDC_CHANGE_ADDRESS,
                                            IDC_NEW_ADDRESS_LABEL,
                                            IDC_NEW_ADDRESS,
                                            IDC_PAUSE,
                                            IDC_RESUME,
                                            IDC_MEMBER_NUMBER_LABEL,
                                            IDC_MEMBER_NUMBER,
                                            IDC_PASSWORD_LABEL,
                                            IDC_PASSWORD};
const std::initializer_list<int> kDigest{IDC_DIGEST_JOIN, IDC_DIGEST_LEAVE, IDC_PARAMETER_LABEL,
                                         IDC_PARAMETER};
const std::initializer_list<int> kOther{
    IDC_HELP, IDC_INDEX, IDC_GET, IDC_MAIL_NUMBERS_LABEL, IDC_MAIL_NUMBERS, IDC_MAIL_NUMBERS_HINT};
const std::set<int> kAlwaysOnJoinLeave{
    IDC_JOIN,       IDC_LEAVE, IDC_SPECIFY_ADDRESS, IDC_CHANGE_ADDRESS, IDC_NEW_ADDRESS_LABEL,
    IDC_NEW_ADDRESS};

std::set<int> Union(std::set<int> a, std::initializer_list<int> b) {
    a.insert(b);
    return a;
}

struct Layout {
    int serverType;
    std::set<int> joinLeave;
    std::set<int> digest;
};

void PrintTo(const Layout& layout, std::ostream* out) {
    *out << "type " << layout.serverType;
}

class PageLayoutTest : public ::testing::TestWithParam<Layout> {};

TEST_P(PageLayoutTest, EachPageShowsWhatTheServerTypeOffers) {
    const Layout& layout = GetParam();
    FakeDialogHost host;
    host.currentTab = JoinLeavePage;
    SwitchPage(host, layout.serverType);
    EXPECT_EQ(host.ShownAmong(kJoinLeave), layout.joinLeave);
    EXPECT_EQ(host.ShownAmong(kDigest), std::set<int>{});
    EXPECT_EQ(host.ShownAmong(kOther), std::set<int>{});

    host.currentTab = DigestPage;
    SwitchPage(host, layout.serverType);
    EXPECT_EQ(host.ShownAmong(kJoinLeave), std::set<int>{});
    EXPECT_EQ(host.ShownAmong(kDigest), layout.digest);

    host.currentTab = OtherPage;
    SwitchPage(host, layout.serverType);
    EXPECT_EQ(host.ShownAmong(kDigest), std::set<int>{});
    EXPECT_EQ(host.ShownAmong(kOther), std::set<int>(kOther));
}

INSTANTIATE_TEST_SUITE_P(
    ServerTypes, PageLayoutTest,
    ::testing::Values(
        Layout{ServerType::Majordomo, kAlwaysOnJoinLeave, {IDC_DIGEST_JOIN, IDC_DIGEST_LEAVE}},
        Layout{ServerType::FML,
               Union(kAlwaysOnJoinLeave, {IDC_PAUSE, IDC_RESUME}),
               {IDC_DIGEST_JOIN, IDC_DIGEST_LEAVE, IDC_PARAMETER_LABEL, IDC_PARAMETER}},
        Layout{ServerType::CML, std::set<int>(kJoinLeave), {IDC_DIGEST_JOIN, IDC_DIGEST_LEAVE}},
        Layout{0,
               Union(kAlwaysOnJoinLeave, {IDC_PAUSE, IDC_RESUME}),
               {IDC_DIGEST_JOIN, IDC_DIGEST_LEAVE}},
        Layout{7,
               Union(kAlwaysOnJoinLeave, {IDC_PAUSE, IDC_RESUME}),
               {IDC_DIGEST_JOIN, IDC_DIGEST_LEAVE}}));

TEST(PageRulesTest, HidingAPageHidesAllItsControlsWhateverTheType) {
    FakeDialogHost host;
    ShowPage(host, JoinLeavePage, true, ServerType::CML);
    ShowPage(host, DigestPage, true, ServerType::FML);
    ShowPage(host, OtherPage, true, ServerType::CML);
    ShowPage(host, JoinLeavePage, false, ServerType::CML);
    ShowPage(host, DigestPage, false, ServerType::FML);
    ShowPage(host, OtherPage, false, ServerType::CML);
    EXPECT_EQ(host.ShownAmong(kJoinLeave), std::set<int>{});
    EXPECT_EQ(host.ShownAmong(kDigest), std::set<int>{});
    EXPECT_EQ(host.ShownAmong(kOther), std::set<int>{});
}

TEST(PageRulesTest, ATabOutsideThePagesChangesNothing) {
    for (int tab : {-1, 3}) {
        FakeDialogHost host;
        const auto before = host.controls;
        host.currentTab = tab;
        SwitchPage(host, ServerType::CML);
        ShowPage(host, tab, true, ServerType::CML);
        EXPECT_TRUE(host.controls == before) << tab;
    }
}

TEST(PageRulesTest, HidingAnOptionKeepsItsCheck) {
    FakeDialogHost host;
    host.SetCheck(IDC_PAUSE, 1);
    host.currentTab = JoinLeavePage;
    SwitchPage(host, ServerType::Majordomo);
    EXPECT_FALSE(host.At(IDC_PAUSE).shown);
    EXPECT_EQ(host.Check(IDC_PAUSE), 1);
}

struct EnableCase {
    int checked;  // the option button that is on in its group
    bool newAddressEnabled;
    bool mailNumbersEnabled;
};

TEST(PageRulesTest, EnableRulesFollowTheChangeAddressAndGetOptions) {
    const EnableCase cases[] = {
        {IDC_CHANGE_ADDRESS, true, false}, {IDC_JOIN, false, false},
        {IDC_PAUSE, false, false},         {IDC_GET, false, true},
        {IDC_HELP, false, false},          {IDC_INDEX, false, false},
    };
    for (const EnableCase& c : cases) {
        FakeDialogHost host;
        host.SetCheck(c.checked, 1);
        ApplyEnableRules(host);
        EXPECT_EQ(host.At(IDC_NEW_ADDRESS_LABEL).enabled, c.newAddressEnabled) << c.checked;
        EXPECT_EQ(host.At(IDC_NEW_ADDRESS).enabled, c.newAddressEnabled) << c.checked;
        EXPECT_EQ(host.At(IDC_MAIL_NUMBERS).enabled, c.mailNumbersEnabled) << c.checked;
    }
}

TEST(PageRulesTest, AHiddenControlKeepsItsEnabledState) {
    FakeDialogHost host;
    host.SetCheck(IDC_GET, 1);
    ApplyEnableRules(host);
    host.currentTab = JoinLeavePage;
    SwitchPage(host, ServerType::FML);
    EXPECT_FALSE(host.At(IDC_MAIL_NUMBERS).shown);
    EXPECT_TRUE(host.At(IDC_MAIL_NUMBERS).enabled);
}

}  // namespace
}  // namespace pivlon
