#pragma once

#include <windows.h>

#include <optional>

namespace pivlon::win32 {

// A dialog box made from a template of the program's resources. Derived
// classes answer its messages; the dialog procedure finds the object through
// the window's DWLP_USER slot, set when WM_INITDIALOG arrives.
class Dialog {
  public:
    Dialog(HINSTANCE instance, int templateId);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally over `owner` (null: no owner) and returns the
    // result it ended with; -1 when it could not be created or a handler failed.
    INT_PTR RunModal(HWND owner);
    // Creates and shows the dialog without a modal loop; null when it could not be created.
    HWND CreateModeless(HWND owner);
    // Ends a modal run with this result, or destroys a modeless dialog.
    void End(INT_PTR result);

    HWND Window() const { return window_; }
    HINSTANCE Instance() const { return instance_; }

  protected:
    // The answer for the dialog procedure, or nullopt to leave the message to the system.
    virtual std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // TRUE lets the system put the focus on the first control that takes it.
    virtual INT_PTR OnInitDialog() { return TRUE; }
    // Whether the command was handled.
    virtual bool OnCommand(WORD id, WORD code);
    virtual void OnOk() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }

  private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Answer(UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    int templateId_;
    HWND window_ = nullptr;
    bool modal_ = false;
};

}  // namespace pivlon::win32
