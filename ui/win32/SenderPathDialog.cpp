#include "ui/win32/SenderPathDialog.h"

#include <commdlg.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "ui/ResourceIds.h"
#include "ui/win32/ResourceString.h"
#include "ui/win32/WindowText.h"

namespace pivlon::win32 {

namespace {

// Room for the longest path the system accepts.
constexpr size_t kPathCapacity = 32768;

// The filter is stored with '|' between its parts; the file-open dialog wants NULs.
std::wstring SenderFilter(HINSTANCE instance) {
    std::wstring filter = LoadResourceString(instance, IDS_SENDER_FILTER);
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    return filter;
}

// The full path of the file the user picked, or nullopt when the dialog was
// cancelled or could not open.
std::optional<std::wstring> ChooseSenderFile(HWND owner, HINSTANCE instance) {
    const std::wstring filter = SenderFilter(instance);
    const std::wstring extension = LoadResourceString(instance, IDS_SENDER_DEFAULT_EXTENSION);
    std::wstring file = LoadResourceString(instance, IDS_SENDER_FILE_NAME);
    file.resize(kPathCapacity, L'\0');

    OPENFILENAMEW question{};
    question.lStructSize = sizeof question;
    question.hwndOwner = owner;
    question.lpstrFilter = filter.c_str();
    question.nFilterIndex = 1;
    question.lpstrFile = file.data();
    question.nMaxFile = static_cast<DWORD>(file.size());
    question.lpstrDefExt = extension.c_str();
    // The catalog and settings are found through the working directory, so
    // browsing must leave it where it was.
    question.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&question))
        return std::nullopt;
    file.resize(file.find(L'\0'));
    return file;
}

}  // namespace

SenderPathDialog::SenderPathDialog(HINSTANCE instance, std::wstring enteredPath)
    : Dialog(instance, IDD_SENDER_PATH), enteredPath_(std::move(enteredPath)) {}

INT_PTR SenderPathDialog::OnInitDialog() {
    SetDlgItemTextW(Window(), IDC_SENDER_PATH, enteredPath_.c_str());
    return TRUE;
}

bool SenderPathDialog::OnCommand(WORD id, WORD code) {
    if (id == IDC_BROWSE && code == BN_CLICKED) {
        BrowseSender();
        return true;
    }
    return Dialog::OnCommand(id, code);
}

void SenderPathDialog::OnOk() {
    enteredPath_ = WindowText(GetDlgItem(Window(), IDC_SENDER_PATH));
    End(IDOK);
}

void SenderPathDialog::BrowseSender() {
    if (auto chosen = ChooseSenderFile(Window(), Instance())) {
        enteredPath_ = std::move(*chosen);
        SetDlgItemTextW(Window(), IDC_SENDER_PATH, enteredPath_.c_str());
    }
}

}  // namespace pivlon::win32
