#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace pivlon::e2e {

// One message box as the user saw it.
struct MessageBoxSeen {
    std::wstring text;
    std::wstring caption;
    bool hasIcon = false;
    friend bool operator==(const MessageBoxSeen&, const MessageBoxSeen&) = default;
};
void PrintTo(const MessageBoxSeen& box, std::ostream* out);

// Drives a running pivlon.exe from outside, as a user would: through its
// windows only. Every action waits until the program has handled it, answering
// each message box it shows with OK and returning what they said.
class PivlonDriver {
  public:
    // Starts `exe` with `folder` as its working directory and waits for its main window.
    PivlonDriver(const std::wstring& exe, const std::wstring& folder);
    ~PivlonDriver();
    PivlonDriver(const PivlonDriver&) = delete;
    PivlonDriver& operator=(const PivlonDriver&) = delete;

    // The message boxes shown while the program started.
    const std::vector<MessageBoxSeen>& StartMessages() const { return startMessages_; }

    HWND Dialog() const { return dialog_; }
    HWND Control(int id) const;
    std::wstring Text(int id) const;
    std::wstring Caption() const;
    bool Visible(int id) const;
    bool Enabled(int id) const;
    bool Checked(int id) const;
    int FocusedControlId() const;
    std::vector<std::wstring> ListEntries() const;
    int SelectedListEntry() const;
    int CurrentTab() const;

    // Actions; each returns the message boxes it brought up, in order.
    std::vector<MessageBoxSeen> SelectList(int index);
    std::vector<MessageBoxSeen> SelectTab(int index);
    std::vector<MessageBoxSeen> Click(int id);
    std::vector<MessageBoxSeen> MenuCommand(int id);
    std::vector<MessageBoxSeen> SystemCommand(WPARAM command);
    std::vector<MessageBoxSeen> PressKey(int id, WPARAM virtualKey);  // into control `id`
    void Type(int id, const std::wstring& text);

    // Waits until the program has ended; false when it is still running after `milliseconds`.
    bool WaitForExit(DWORD milliseconds, DWORD* exitCode = nullptr);

  private:
    std::vector<MessageBoxSeen> SendAndAnswer(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam);
    std::vector<MessageBoxSeen> PostAndAnswer(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam);
    std::vector<MessageBoxSeen> AnswerBoxesWhile(HANDLE busy);
    HWND FindMessageBox() const;

    PROCESS_INFORMATION process_{};
    HWND dialog_ = nullptr;
    std::vector<MessageBoxSeen> startMessages_;
};

}  // namespace pivlon::e2e
