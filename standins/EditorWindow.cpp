#include "standins/EditorWindow.h"

#include <algorithm>

#include "standins/WindowSupport.h"

namespace pivlon::standins {
namespace {

constexpr wchar_t kClassName[] = L"DravexEditor";
constexpr wchar_t kCaption[] = L"Dravex";
constexpr int kSignatureSelectorId = 105;
// "署名:"
constexpr wchar_t kSignatureLabel[] = L"\u7f72\u540d:";
// "標準" first, so that it is selected unless someone picks "(無し)".
constexpr const wchar_t* kSignatureEntries[] = {L"\u6a19\u6e96", L"(\u7121\u3057)"};
// A selection changed by another process's CB_SELECTSTRING notifies nobody;
// looking every 100 ms catches it.
constexpr UINT_PTR kSelectionTimer = 1;
constexpr UINT kSelectionPeriodMs = 100;
constexpr int kMargin = 8;
constexpr int kRowHeight = 24;
constexpr int kLabelWidth = 48;
constexpr int kSelectorWidth = 160;
constexpr int kSelectorListHeight = 120;

}  // namespace

EditorWindow::EditorWindow(HINSTANCE instance, const std::wstring& mailText,
                           const SenderCapture& capture)
    : capture_(capture), font_(CreateJapaneseFont()) {
    RegisterWindowClass(instance, kClassName, Procedure);
    // Built as a message-only window, which no search for top-level windows
    // finds, and made top-level once complete: whoever finds the editor finds
    // its signature selector too.
    window_ = CreateWindowExW(0, kClassName, kCaption, WS_OVERLAPPEDWINDOW, 80, 60, 640, 480,
                              HWND_MESSAGE, nullptr, instance, this);
    CreateControls(instance, mailText);
    SetParent(window_, nullptr);
    RecordSelectionIfChanged();
    SetTimer(window_, kSelectionTimer, kSelectionPeriodMs, nullptr);
}

EditorWindow::~EditorWindow() {
    DeleteObject(font_);
}

void EditorWindow::Show(int showCommand) {
    ShowWindow(window_, showCommand);
}

LRESULT CALLBACK EditorWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* editor = static_cast<EditorWindow*>(create->lpCreateParams);
        editor->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(editor));
    }
    auto* editor = reinterpret_cast<EditorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (editor == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    return editor->Handle(message, wParam, lParam);
}

LRESULT EditorWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_TIMER:
            RecordSelectionIfChanged();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kSignatureSelectorId && HIWORD(wParam) == CBN_SELCHANGE) {
                RecordSelectionIfChanged();
            }
            return 0;
        case WM_CLOSE:
            RecordSelectionIfChanged();
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            KillTimer(window_, kSelectionTimer);
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void EditorWindow::CreateControls(HINSTANCE instance, const std::wstring& mailText) {
    label_ = CreateWindowExW(0, L"STATIC", kSignatureLabel, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                             window_, nullptr, instance, nullptr);
    signatures_ = CreateWindowExW(
        0, L"COMBOBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
        0, 0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSignatureSelectorId)),
        instance, nullptr);
    for (const wchar_t* entry : kSignatureEntries) {
        SendMessageW(signatures_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    SendMessageW(signatures_, CB_SETCURSEL, 0, 0);
    mail_ = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", mailText.c_str(),
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0,
        0, window_, nullptr, instance, nullptr);
    for (HWND control : {label_, signatures_, mail_})
        UseFont(control, font_);
    RECT client;
    GetClientRect(window_, &client);
    Layout(client.right, client.bottom);
}

void EditorWindow::Layout(int width, int height) {
    // WM_SIZE comes once while the window is created, before its controls exist.
    if (mail_ == nullptr)
        return;
    MoveWindow(label_, kMargin, kMargin + 4, kLabelWidth, kRowHeight - 4, TRUE);
    MoveWindow(signatures_, kMargin + kLabelWidth, kMargin, kSelectorWidth, kSelectorListHeight,
               TRUE);
    const int mailTop = 2 * kMargin + kRowHeight;
    MoveWindow(mail_, kMargin, mailTop, std::max(0, width - 2 * kMargin),
               std::max(0, height - mailTop - kMargin), TRUE);
}

std::wstring EditorWindow::SelectedEntry() const {
    const LRESULT index = SendMessageW(signatures_, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return {};
    const LRESULT length = SendMessageW(signatures_, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR)
        return {};
    std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(signatures_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<size_t>(length));
    return entry;
}

void EditorWindow::RecordSelectionIfChanged() {
    const std::wstring entry = SelectedEntry();
    if (recorded_ && entry == recordedEntry_)
        return;
    if (!capture_.RecordSignature(entry))
        return;  // the timer brings it round again
    recordedEntry_ = entry;
    recorded_ = true;
}

}  // namespace pivlon::standins
