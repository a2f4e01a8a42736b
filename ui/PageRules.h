#pragma once

#include "platform/DialogHost.h"
#include "ui/Page.h"

namespace pivlon {

// The three tab pages share the inside of the tab control; which of their controls show
// depends on the page and on the list's server family.

// Shows or hides one page's controls, laid out for `serverType`.
void ShowPage(DialogHost& host, int page, bool show, int serverType);
// Lays out all three pages for the current tab; any other tab index changes nothing.
void SwitchPage(DialogHost& host, int serverType);
// The new-address and mail-number fields are usable only with their option checked.
void ApplyEnableRules(DialogHost& host);

}  // namespace pivlon
