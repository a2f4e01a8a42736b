#pragma once

#include <windows.h>

#include <string>

namespace pivlon::testing {

// The text of entry `index` of a combo box, another process's too; empty when there is none.
std::wstring ComboEntry(HWND combo, LRESULT index);
// The text of the selected entry; empty when nothing is selected.
std::wstring SelectedComboEntry(HWND combo);

}  // namespace pivlon::testing
