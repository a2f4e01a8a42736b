#include "ui/PageRules.h"

#include <initializer_list>

#include "tables/ServerFamilies.h"
#include "ui/ResourceIds.h"

namespace pivlon {

namespace {

void Apply(DialogHost& host, std::initializer_list<int> ids, bool show) {
    for (int id : ids)
        host.Show(id, show);
}

void ShowJoinLeavePage(DialogHost& host, bool show, const PageControls& controls) {
    Apply(host,
          {IDC_JOIN, IDC_LEAVE, IDC_SPECIFY_ADDRESS, IDC_CHANGE_ADDRESS, IDC_NEW_ADDRESS_LABEL,
           IDC_NEW_ADDRESS},
          show);
    Apply(host, {IDC_PAUSE, IDC_RESUME}, show && controls.pauseAndResume);
    Apply(host, {IDC_MEMBER_NUMBER_LABEL, IDC_MEMBER_NUMBER, IDC_PASSWORD_LABEL, IDC_PASSWORD},
          show && controls.memberNumberAndPassword);
}

void ShowDigestPage(DialogHost& host, bool show, const PageControls& controls) {
    Apply(host, {IDC_DIGEST_JOIN, IDC_DIGEST_LEAVE}, show);
    Apply(host, {IDC_PARAMETER_LABEL, IDC_PARAMETER}, show && controls.digestParameter);
}

void ShowOtherPage(DialogHost& host, bool show) {
    Apply(host,
          {IDC_HELP, IDC_INDEX, IDC_GET, IDC_MAIL_NUMBERS_LABEL, IDC_MAIL_NUMBERS,
           IDC_MAIL_NUMBERS_HINT},
          show);
}

}  // namespace

void ShowPage(DialogHost& host, int page, bool show, int serverType) {
    switch (page) {
        case JoinLeavePage:
            ShowJoinLeavePage(host, show, PageControlsOf(serverType));
            break;
        case DigestPage:
            ShowDigestPage(host, show, PageControlsOf(serverType));
            break;
        case OtherPage:
            ShowOtherPage(host, show);
            break;
        default:
            break;
    }
}

void SwitchPage(DialogHost& host, int serverType) {
    const int current = host.CurrentTab();
    if (current < JoinLeavePage || current > OtherPage)
        return;
    for (int page : {JoinLeavePage, DigestPage, OtherPage}) {
        ShowPage(host, page, page == current, serverType);
    }
}

void ApplyEnableRules(DialogHost& host) {
    const bool changeAddress = host.Check(IDC_CHANGE_ADDRESS) == 1;
    host.Enable(IDC_NEW_ADDRESS_LABEL, changeAddress);
    host.Enable(IDC_NEW_ADDRESS, changeAddress);
    host.Enable(IDC_MAIL_NUMBERS, host.Check(IDC_GET) == 1);
}

}  // namespace pivlon
