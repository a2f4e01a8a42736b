#include "PivlonDriver.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>

#include "platform/win32/Encoding.h"

namespace pivlon::e2e {

namespace {

constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kPollMs = 20;
constexpr DWORD kSettleMs = 300;
constexpr UINT kSendTimeoutMs = 5000;
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kCommanderCaption[] = L"pivlon Commander";

std::wstring TextOfWindow(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK, kSendTimeoutMs, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_BLOCK, kSendTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* caption;  // nullptr: any
    bool needsMessageText;
    HWND skip = nullptr;  // the commander window, when looking for its dialogs
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[16] = {};
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (owner != search->processId || wcscmp(className, kDialogClass) != 0 ||
        !IsWindowVisible(window)) {
        return TRUE;
    }
    if (search->needsMessageText && !GetDlgItem(window, kMessageBoxTextId))
        return TRUE;
    // The program's own dialogs are owned by its main window or by one another.
    if (search->skip && (window == search->skip || !GetWindow(window, GW_OWNER) ||
                         GetDlgItem(window, kMessageBoxTextId) || !IsWindowEnabled(window))) {
        return TRUE;
    }
    if (search->caption && TextOfWindow(window) != search->caption)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindDialog(DWORD processId, const wchar_t* caption, bool needsMessageText) {
    WindowSearch search{processId, caption, needsMessageText};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM parameter) {
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    DWORD_PTR icon = 0;
    if ((style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
        SendMessageTimeoutW(child, STM_GETICON, 0, 0, SMTO_BLOCK, kSendTimeoutMs, &icon) &&
        icon != 0) {
        *reinterpret_cast<bool*>(parameter) = true;
        return FALSE;
    }
    return TRUE;
}

MessageBoxSeen Read(HWND box) {
    MessageBoxSeen seen{TextOfWindow(GetDlgItem(box, kMessageBoxTextId)), TextOfWindow(box)};
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&seen.hasIcon));
    return seen;
}

void AnswerOk(HWND box) {
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    for (DWORD waited = 0; IsWindow(box) && waited < kStartTimeoutMs; waited += kPollMs) {
        Sleep(kPollMs);
    }
}

struct SentMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

DWORD WINAPI SendOnThread(void* parameter) {
    const auto* sent = static_cast<const SentMessage*>(parameter);
    SendMessageW(sent->window, sent->message, sent->wParam, sent->lParam);
    return 0;
}

}  // namespace

void PostClick(HWND dialog, int id) {
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
std::wstring TextOf(HWND window) {
    return TextOfWindow(window);
}

void PrintTo(const MessageBoxSeen& box, std::ostream* out) {
    *out << "box \"" << win32::Narrow(box.text) << "\" caption \"" << win32::Narrow(box.caption)
         << "\"" << (box.hasIcon ? " with icon" : "");
}

PivlonDriver::PivlonDriver(const std::wstring& exe, const std::wstring& folder) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process_)) {
        throw std::runtime_error("pivlon.exe could not be started: error " +
                                 std::to_string(GetLastError()) + " for " + win32::Narrow(exe));
    }
    for (DWORD waited = 0; waited < kStartTimeoutMs; waited += kPollMs) {
        if (HWND box = FindMessageBox()) {
            startMessages_.push_back(Read(box));
            AnswerOk(box);
            continue;
        }
        dialog_ = FindDialog(process_.dwProcessId, kCommanderCaption, false);
        if (dialog_)
            return;
        if (WaitForSingleObject(process_.hProcess, kPollMs) == WAIT_OBJECT_0)
            break;
    }
    throw std::runtime_error("the commander window did not appear");
}

PivlonDriver::~PivlonDriver() {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, kStartTimeoutMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND PivlonDriver::Control(int id) const {
    return GetDlgItem(dialog_, id);
}
std::wstring PivlonDriver::Text(int id) const {
    return TextOfWindow(Control(id));
}
std::wstring PivlonDriver::Caption() const {
    return TextOfWindow(dialog_);
}
bool PivlonDriver::Visible(int id) const {
    return IsWindowVisible(Control(id));
}
bool PivlonDriver::Enabled(int id) const {
    return IsWindowEnabled(Control(id));
}
bool PivlonDriver::Checked(int id) const {
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int PivlonDriver::FocusedControlId() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(process_.dwThreadId, &info) || !info.hwndFocus)
        return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

std::vector<std::wstring> PivlonDriver::ListEntries() const {
    HWND list = Control(1000);
    std::vector<std::wstring> entries;
    const auto count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring entry(SendMessageW(list, CB_GETLBTEXTLEN, i, 0) + 1, L'\0');
        entry.resize(SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data())));
        entries.push_back(entry);
    }
    return entries;
}

int PivlonDriver::SelectedListEntry() const {
    return static_cast<int>(SendMessageW(Control(1000), CB_GETCURSEL, 0, 0));
}

int PivlonDriver::CurrentTab() const {
    return static_cast<int>(SendMessageW(Control(1028), TCM_GETCURSEL, 0, 0));
}

std::vector<MessageBoxSeen> PivlonDriver::SelectList(int index) {
    SendMessageW(Control(1000), CB_SETCURSEL, index, 0);
    return SendAndAnswer(dialog_, WM_COMMAND, MAKEWPARAM(1000, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(Control(1000)));
}

std::vector<MessageBoxSeen> PivlonDriver::SelectTab(int index) {
    return SendAndAnswer(Control(1028), TCM_SETCURFOCUS, index, 0);
}

std::vector<MessageBoxSeen> PivlonDriver::Click(int id) {
    return SendAndAnswer(Control(id), BM_CLICK, 0, 0);
}

std::vector<MessageBoxSeen> PivlonDriver::MenuCommand(int id) {
    return SendAndAnswer(dialog_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::vector<MessageBoxSeen> PivlonDriver::SystemCommand(WPARAM command) {
    return SendAndAnswer(dialog_, WM_SYSCOMMAND, command, 0);
}

std::vector<MessageBoxSeen> PivlonDriver::PressKey(int id, WPARAM virtualKey) {
    // Keys go through the dialog's own message loop, so they are posted, not sent.
    return PostAndAnswer(Control(id), WM_KEYDOWN, virtualKey, 1);
}

void PivlonDriver::Type(int id, const std::wstring& text) {
    SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool PivlonDriver::WaitForExit(DWORD milliseconds, DWORD* exitCode) {
    if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        GetExitCodeProcess(process_.hProcess, exitCode);
    return true;
}

// The send blocks while the program shows a message box, so it runs on a
// thread of its own while this one answers the boxes.
std::vector<MessageBoxSeen> PivlonDriver::SendAndAnswer(HWND window, UINT message, WPARAM wParam,
                                                        LPARAM lParam) {
    SentMessage sent{window, message, wParam, lParam};
    HANDLE thread = CreateThread(nullptr, 0, SendOnThread, &sent, 0, nullptr);
    std::vector<MessageBoxSeen> seen = AnswerBoxesWhile(thread);
    CloseHandle(thread);
    return seen;
}

// A posted message is handled some time later: the action counts as done
// once the program has been quiet, with no message box, for a while.
std::vector<MessageBoxSeen> PivlonDriver::PostAndAnswer(HWND window, UINT message, WPARAM wParam,
                                                        LPARAM lParam) {
    PostMessageW(window, message, wParam, lParam);
    std::vector<MessageBoxSeen> seen;
    for (DWORD quiet = 0; quiet < kSettleMs; quiet += kPollMs) {
        if (HWND box = FindMessageBox()) {
            seen.push_back(Read(box));
            AnswerOk(box);
            quiet = 0;
        }
        if (WaitForSingleObject(process_.hProcess, kPollMs) == WAIT_OBJECT_0)
            break;
    }
    return seen;
}

std::vector<MessageBoxSeen> PivlonDriver::WithDialogs(UINT message, WPARAM wParam,
                                                      const DialogAnswer& answer) {
    SentMessage sent{dialog_, message, wParam, 0};
    HANDLE thread = CreateThread(nullptr, 0, SendOnThread, &sent, 0, nullptr);
    std::vector<MessageBoxSeen> seen = AnswerBoxesWhile(thread, answer);
    CloseHandle(thread);
    return seen;
}

std::vector<MessageBoxSeen> PivlonDriver::AnswerBoxesWhile(HANDLE busy,
                                                           const DialogAnswer& answer) {
    std::vector<MessageBoxSeen> seen;
    HWND answered = nullptr;
    for (;;) {
        if (HWND box = FindMessageBox()) {
            seen.push_back(Read(box));
            AnswerOk(box);
            continue;
        }
        if (HWND active = answer ? FindActiveDialog() : nullptr; active && active != answered) {
            answered = active;
            answer(active);
        }
        if (WaitForSingleObject(busy, kPollMs) == WAIT_OBJECT_0)
            return seen;
    }
}

// The dialog of the program, other than its main window, that takes input now.
HWND PivlonDriver::FindActiveDialog() const {
    WindowSearch search{process_.dwProcessId, nullptr, false, dialog_};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND PivlonDriver::FindMessageBox() const {
    return FindDialog(process_.dwProcessId, nullptr, true);
}

}  // namespace pivlon::e2e
