#include "platform/win32/Win32System.h"

#include <windows.h>

#include "platform/win32/Encoding.h"
#include "platform/win32/FileErrorCauses.h"
#include "platform/win32/Win32OutputFile.h"
#include "platform/win32/Win32Process.h"

namespace pivlon::win32 {

namespace {

HWND HandleOf(WindowRef window) {
    return reinterpret_cast<HWND>(window);
}

// Reports of failed writes name the file as the system knows it, whatever the caller passed.
std::string FullPathOf(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return Narrow(path);
    full.resize(length);
    return Narrow(full);
}

// CreateProcessW takes a program's name literally: no search, no ".exe" added. So a name
// without a folder finds the program that the command line alone would have found.
std::wstring ResolveProgram(const std::wstring& program) {
    const DWORD size = SearchPathW(nullptr, program.c_str(), L".exe", 0, nullptr, nullptr);
    if (size == 0)
        return program;
    std::wstring found(size, L'\0');
    const DWORD length =
        SearchPathW(nullptr, program.c_str(), L".exe", size, found.data(), nullptr);
    if (length == 0 || length >= size)
        return program;
    found.resize(length);
    return found;
}

}  // namespace

WindowRef Win32System::FindTopLevelWindow(const std::string& className) {
    return reinterpret_cast<WindowRef>(FindWindowW(Widen(className).c_str(), nullptr));
}

bool Win32System::SelectComboString(WindowRef window, int controlId, const std::string& text) {
    const HWND combo = GetDlgItem(HandleOf(window), controlId);
    if (combo == nullptr)
        return false;
    const std::wstring wide = Widen(text);
    SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(wide.c_str()));
    return true;
}

std::optional<std::string> Win32System::TemporaryDirectory() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH)
        return std::nullopt;
    return Narrow(std::wstring(buffer, length));
}

std::variant<std::string, FileError> Win32System::CreateUniqueFile(const std::string& directory,
                                                                   const std::string& prefix) {
    wchar_t path[MAX_PATH];
    if (GetTempFileNameW(Widen(directory).c_str(), Widen(prefix).c_str(), 0, path) == 0)
        return LastFileError(directory);
    return Narrow(path);
}

std::variant<std::unique_ptr<OutputFile>, FileError> Win32System::CreateOutputFile(
    const std::string& path) {
    const std::wstring widePath = Widen(path);
    const HANDLE file = CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return LastFileError(path);
    return std::make_unique<Win32OutputFile>(file, FullPathOf(widePath));
}

std::optional<FileError> Win32System::RemoveFile(const std::string& path) {
    if (!DeleteFileW(Widen(path).c_str()))
        return LastFileError("");
    return std::nullopt;
}

std::unique_ptr<Process> Win32System::StartProcess(const std::string& program,
                                                   const std::string& commandLine) {
    const std::wstring application = program.empty() ? L"" : ResolveProgram(Widen(program));
    std::wstring line = Widen(commandLine);  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(application.empty() ? nullptr : application.c_str(), line.data(), nullptr,
                        nullptr, TRUE, 0, nullptr, nullptr, &startup, &started))
        return nullptr;
    return std::make_unique<Win32Process>(started.hProcess, started.hThread);
}

void Win32System::Sleep(unsigned milliseconds) {
    ::Sleep(milliseconds);
}

}  // namespace pivlon::win32
