#include "ui/win32/Dialog.h"

#include "ui/win32/WindowPlacement.h"

namespace pivlon::win32 {

Dialog::Dialog(HINSTANCE instance, int templateId) : instance_(instance), templateId_(templateId) {}

Dialog::~Dialog() {
    // A modeless window outliving its object would call into freed memory.
    if (window_ != nullptr)
        DestroyWindow(window_);
}

INT_PTR Dialog::RunModal(HWND owner) {
    modal_ = true;
    return DialogBoxParamW(instance_, MAKEINTRESOURCEW(templateId_), owner, Procedure,
                           reinterpret_cast<LPARAM>(this));
}

HWND Dialog::CreateModeless(HWND owner) {
    modal_ = false;
    HWND window = CreateDialogParamW(instance_, MAKEINTRESOURCEW(templateId_), owner, Procedure,
                                     reinterpret_cast<LPARAM>(this));
    if (window != nullptr)
        ShowWindow(window, SW_SHOW);
    return window;
}

void Dialog::End(INT_PTR result) {
    if (window_ == nullptr)
        return;
    if (modal_) {
        EndDialog(window_, result);
    } else {
        DestroyWindow(window_);
    }
}

std::optional<INT_PTR> Dialog::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: {
            const INT_PTR focus = OnInitDialog();
            // Every template is laid out at 0, 0, which asks for a centred window.
            CentreWindow(window_);
            return focus;
        }
        case WM_COMMAND:
            if (OnCommand(LOWORD(wParam), HIWORD(wParam)))
                return TRUE;
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

bool Dialog::OnCommand(WORD id, WORD) {
    switch (id) {
        case IDOK:
            OnOk();
            return true;
        case IDCANCEL:
            OnCancel();
            return true;
        default:
            return false;
    }
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        dialog->window_ = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr)
        return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        dialog->window_ = nullptr;
        return FALSE;
    }
    return dialog->Answer(message, wParam, lParam);
}

INT_PTR Dialog::Answer(UINT message, WPARAM wParam, LPARAM lParam) {
    // An exception must never unwind into the system's code that called us.
    // A handler that failed half-way leaves the dialog's values in no known
    // state, so the dialog ends quietly with the same result as a failed start.
    try {
        return OnMessage(message, wParam, lParam).value_or(FALSE);
    } catch (...) {
        End(-1);
        return FALSE;
    }
}

}  // namespace pivlon::win32
