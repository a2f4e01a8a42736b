#include "ui/win32/AboutDialog.h"

#include "ui/ResourceIds.h"
#include "ui/win32/ResourceString.h"

namespace pivlon::win32 {

AboutDialog::AboutDialog(HINSTANCE instance)
    : Dialog(instance, IDD_ABOUT),
      versionText_(LoadResourceString(instance, IDS_ABOUT_VERSION)),
      noticeText_(LoadResourceString(instance, IDS_ABOUT_NOTICE)) {}

INT_PTR AboutDialog::OnInitDialog() {
    // The layout's own version text is never shown: a missing string empties the label.
    SetDlgItemTextW(Window(), IDC_ABOUT_VERSION, versionText_.c_str());
    SetDlgItemTextW(Window(), IDC_ABOUT_NOTICE, noticeText_.c_str());
    return TRUE;
}

}  // namespace pivlon::win32
