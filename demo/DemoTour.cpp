// A short scripted tour of Pivlon for ./run on a machine without a screen:
// shows every tab page of every list and the two small dialogs, picks a list,
// chooses an operation, sends, and hands each window over for a screenshot. At
// each stop it writes "<stage>.rect" (the window's screen rectangle) into the
// handshake folder and waits for "<stage>.done".
//
//   demo_tour.exe <pivlon.exe> <demo folder> <handshake folder>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "tests/e2e/PivlonDriver.h"
#include "tests/support/win32/MailClientRunning.h"
#include "tests/support/win32/TopLevelWindows.h"
#include "ui/ResourceIds.h"

namespace pivlon::e2e {
namespace {

using testing::CloseWindows;
using testing::MailClientRunning;
using testing::WaitForWindow;

constexpr DWORD kHandshakeTimeoutMs = 60000;
constexpr DWORD kPollMs = 50;

// Hands the window to the script for its screenshot and waits until it is taken.
bool Pause(const std::wstring& handshake, const std::wstring& stage, HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    std::ofstream(std::filesystem::path(handshake + L"\\" + stage + L".rect"))
        << rect.left << ' ' << rect.top << ' ' << rect.right - rect.left << ' '
        << rect.bottom - rect.top << '\n';
    const std::wstring done = handshake + L"\\" + stage + L".done";
    for (DWORD waited = 0; waited < kHandshakeTimeoutMs; waited += kPollMs) {
        if (GetFileAttributesW(done.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        Sleep(kPollMs);
    }
    return false;
}

// Opens one of Pivlon's small dialogs by `message`, hands it over, then closes it.
bool PhotographDialog(PivlonDriver& pivlon, UINT message, WPARAM command,
                      const std::wstring& handshake, const std::wstring& stage,
                      const std::function<void(HWND)>& prepare) {
    bool taken = false;
    bool photographed = false;
    pivlon.WithDialogs(message, command, [&](HWND dialog) {
        if (taken)
            return;
        taken = true;
        prepare(dialog);
        photographed = Pause(handshake, stage, dialog);
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    return photographed;
}

int Tour(const std::wstring& exe, const std::wstring& folder, const std::wstring& handshake) {
    MailClientRunning mailClient;
    PivlonDriver pivlon(exe, folder);
    const int lists = static_cast<int>(pivlon.ListEntries().size());
    for (int list = 0; list < lists; ++list) {
        pivlon.SelectList(list);
        for (int tab = 0; tab < 3; ++tab) {
            pivlon.SelectTab(tab);
            const std::wstring stage =
                L"page-" + std::to_wstring(list + 1) + L"-" + std::to_wstring(tab + 1);
            if (!Pause(handshake, stage, pivlon.Dialog()))
                return 1;
        }
    }
    if (!PhotographDialog(pivlon, WM_SYSCOMMAND, IDM_ABOUTBOX, handshake, L"about", [](HWND) {}) ||
        !PhotographDialog(
            pivlon, WM_COMMAND, IDM_CHOOSE_SENDER, handshake, L"sender-path", [](HWND dialog) {
                SetDlgItemTextW(dialog, IDC_SENDER_PATH, L"C:\\Program Files\\Ko-Post\\DRAVEX.EXE");
            }))
        return 1;

    pivlon.SelectList(lists - 1);
    pivlon.SelectTab(0);
    pivlon.Click(IDC_RESUME);
    if (!Pause(handshake, L"commander", pivlon.Dialog()))
        return 1;

    if (!pivlon.Click(IDC_SEND).empty())
        return 1;
    HWND editor = WaitForWindow(L"DravexEditor", kHandshakeTimeoutMs);
    if (!editor || !Pause(handshake, L"editor", editor))
        return 1;

    CloseWindows(L"DravexEditor");
    pivlon.Click(IDCANCEL);
    return pivlon.WaitForExit(kHandshakeTimeoutMs) ? 0 : 1;
}

}  // namespace
}  // namespace pivlon::e2e

int wmain(int argc, wchar_t** argv) {
    if (argc != 4)
        return 2;
    try {
        return pivlon::e2e::Tour(argv[1], argv[2], argv[3]);
    } catch (const std::exception&) {
        return 1;
    }
}
