#pragma once

#include <windows.h>

#include <string>

#include "standins/SenderCapture.h"

namespace pivlon::standins {

// The sender's editor: a top-level window of class "DravexEditor" showing the
// mail read-only, with the signature selector (a drop-down list, control 105)
// as a direct child. The selected entry is recorded whenever it changes, also
// when another process changes it with a message that notifies nobody.
class EditorWindow {
  public:
    EditorWindow(HINSTANCE instance, const std::wstring& mailText, const SenderCapture& capture);
    ~EditorWindow();
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;

    void Show(int showCommand);

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(HINSTANCE instance, const std::wstring& mailText);
    void Layout(int width, int height);
    std::wstring SelectedEntry() const;
    void RecordSelectionIfChanged();

    const SenderCapture& capture_;
    HFONT font_;
    HWND window_ = nullptr;
    HWND label_ = nullptr;
    HWND signatures_ = nullptr;
    HWND mail_ = nullptr;
    std::wstring recordedEntry_;
    bool recorded_ = false;
};

}  // namespace pivlon::standins
