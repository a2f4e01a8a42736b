#include "ui/win32/ApplicationTitle.h"

#include <windows.h>

namespace pivlon::win32 {

namespace {

std::wstring ModulePath() {
    // The path may be longer than MAX_PATH; a full buffer means it was cut.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::wstring TitleOfPath(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/:");
    std::wstring name = separator == std::wstring::npos ? path : path.substr(separator + 1);
    const size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos)
        name.resize(dot);
    return name;
}

std::wstring ApplicationTitle() {
    return TitleOfPath(ModulePath());
}

}  // namespace pivlon::win32
