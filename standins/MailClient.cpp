// Stands in for the mail client: while it runs there is a top-level window of
// class "kopost", which is all that the sending side looks for.
#include <windows.h>

#include "standins/WindowSupport.h"

namespace pivlon::standins {
namespace {

constexpr wchar_t kClassName[] = L"kopost";
constexpr wchar_t kCaption[] = L"Ko-Post";
// "これはメールクライアントの代役です。"
constexpr wchar_t kNotice[] =
    L"\u3053\u308c\u306f\u30e1\u30fc\u30eb\u30af\u30e9\u30a4\u30a2\u30f3\u30c8\u306e"
    L"\u4ee3\u5f79\u3067\u3059\u3002";

HFONT font = nullptr;

LRESULT CALLBACK MailClientProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            HWND notice = CreateWindowExW(0, L"STATIC", kNotice, WS_CHILD | WS_VISIBLE, 16, 16, 360,
                                          24, window, nullptr, create->hInstance, nullptr);
            UseFont(notice, font);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace
}  // namespace pivlon::standins

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    using namespace pivlon::standins;
    font = CreateJapaneseFont();
    RegisterWindowClass(instance, kClassName, MailClientProcedure);
    HWND window = CreateWindowExW(0, kClassName, kCaption, WS_OVERLAPPEDWINDOW, 40, 580, 420, 110,
                                  nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    const int exitCode = RunMessageLoop();
    DeleteObject(font);
    return exitCode;
}
