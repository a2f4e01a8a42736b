#pragma once

#include <windows.h>

#include <functional>
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

// Clicks a button of another program's dialog without waiting for its handler.
void PostClick(HWND dialog, int id);
std::wstring TextOf(HWND window);

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

    // Sends a command that runs dialogs of the program's own modally, and hands
    // each dialog to `answer` whenever it becomes the one that takes input; the
    // answer acts by posting (e.g. PostClick), so that the dialog runs on.
    using DialogAnswer = std::function<void(HWND dialog)>;
    std::vector<MessageBoxSeen> WithDialogs(UINT message, WPARAM wParam,
                                            const DialogAnswer& answer);

    // Waits until the program has ended; false when it is still running after `milliseconds`.
    bool WaitForExit(DWORD milliseconds, DWORD* exitCode = nullptr);

  private:
    std::vector<MessageBoxSeen> SendAndAnswer(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam);
    std::vector<MessageBoxSeen> PostAndAnswer(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam);
    std::vector<MessageBoxSeen> AnswerBoxesWhile(HANDLE busy, const DialogAnswer& answer = {});
    HWND FindMessageBox() const;
    HWND FindActiveDialog() const;

    PROCESS_INFORMATION process_{};
    HWND dialog_ = nullptr;
    std::vector<MessageBoxSeen> startMessages_;
};

}  // namespace pivlon::e2e
