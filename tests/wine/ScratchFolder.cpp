#include "tests/wine/ScratchFolder.h"

#include <windows.h>

#include <filesystem>
#include <system_error>

namespace pivlon::testing {

ScratchFolder::ScratchFolder() {
    wchar_t temporary[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temporary);
    // The process id and a counter keep folders of one run and of earlier runs apart.
    static unsigned counter = 0;
    for (;;) {
        path_ = std::wstring(temporary) + L"pivlon-" + std::to_wstring(GetCurrentProcessId()) +
                L'-' + std::to_wstring(++counter);
        if (CreateDirectoryW(path_.c_str(), nullptr))
            return;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return;
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(path_), ignored);
}

}  // namespace pivlon::testing
