// Stands in for the mail client's sender program. Started as
// "<program> /H=<mail file>", it reads the mail file before its first wait for
// input, then shows the mail in its editor window.
//
// For tests: PIVLON_SENDER_CAPTURE names a path prefix under which it records
// what it received (see SenderCapture); PIVLON_SENDER_MODE makes it misbehave:
// "noeditor" reads the file but never opens the editor, staying alive with a
// hidden window for 60 s; "exit" ends at once without reading anything.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/Encoding.h"
#include "standins/EditorWindow.h"
#include "standins/SenderCapture.h"
#include "standins/WindowSupport.h"

namespace pivlon::standins {
namespace {

constexpr wchar_t kMailFileSwitch[] = L"/H=";
constexpr wchar_t kHiddenClassName[] = L"DravexStandinHidden";
constexpr UINT_PTR kLifetimeTimer = 1;
constexpr UINT kHiddenLifetimeMs = 60000;
constexpr int kUnknownModeExitCode = 2;

std::wstring EnvironmentVariable(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return {};
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

// The path is everything after "/H=": the program's own path before it may
// hold blanks and is not quoted, so no argument splitting would find it.
std::wstring MailPathOf(const std::wstring& commandLine) {
    const size_t found = commandLine.find(kMailFileSwitch);
    if (found == std::wstring::npos)
        return {};
    return commandLine.substr(found + std::size(kMailFileSwitch) - 1);
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    if (path.empty())
        return std::nullopt;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    bool complete = true;
    while ((complete = ReadFile(file, buffer, sizeof buffer, &read, nullptr)) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    if (!complete)
        return std::nullopt;
    return bytes;
}

LRESULT CALLBACK HiddenProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A sender whose editor never comes: idle for input, but no editor window.
int StayHidden(HINSTANCE instance) {
    RegisterWindowClass(instance, kHiddenClassName, HiddenProcedure);
    HWND window = CreateWindowExW(0, kHiddenClassName, kHiddenClassName, WS_OVERLAPPEDWINDOW, 0, 0,
                                  100, 100, nullptr, nullptr, instance, nullptr);
    SetTimer(window, kLifetimeTimer, kHiddenLifetimeMs, nullptr);
    return RunMessageLoop();
}

int ShowEditor(HINSTANCE instance, const std::string& mail, const SenderCapture& capture,
               int showCommand) {
    EditorWindow editor(instance, win32::Widen(mail), capture);
    editor.Show(showCommand);
    return RunMessageLoop();
}

}  // namespace
}  // namespace pivlon::standins

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using namespace pivlon::standins;
    const std::wstring mode = EnvironmentVariable(L"PIVLON_SENDER_MODE");
    if (mode == L"exit")
        return 0;
    if (!mode.empty() && mode != L"noeditor")
        return kUnknownModeExitCode;

    const SenderCapture capture(EnvironmentVariable(L"PIVLON_SENDER_CAPTURE"));
    const std::wstring commandLine = GetCommandLineW();
    capture.RecordCommandLine(commandLine);
    const std::optional<std::string> mail = ReadWholeFile(MailPathOf(commandLine));
    if (mail)
        capture.RecordMail(*mail);

    if (mode == L"noeditor")
        return StayHidden(instance);
    return ShowEditor(instance, mail.value_or(std::string()), capture, showCommand);
}
