#include "tests/support/win32/MailFiles.h"

#include <windows.h>

namespace pivlon::testing {

// The system's own wildcard match, so that names differing only in case count too.
std::set<std::wstring> MailFilesIn(const std::filesystem::path& folder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder / L"txt*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.insert(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

}  // namespace pivlon::testing
