#include "tests/support/win32/ComboBoxEntries.h"

namespace pivlon::testing {

std::wstring ComboEntry(HWND combo, LRESULT index) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR)
        return {};
    std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<size_t>(length));
    return entry;
}

std::wstring SelectedComboEntry(HWND combo) {
    return ComboEntry(combo, SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

}  // namespace pivlon::testing
