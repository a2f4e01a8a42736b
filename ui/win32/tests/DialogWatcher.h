#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

namespace pivlon::win32::testing {

// Answers the dialog boxes that a test's own thread opens, message boxes and
// modal dialogs alike: a WH_CBT hook notes every dialog box each time it is
// activated, and once the box's own loop is idle (a box may be activated
// before it has finished setting itself up) hands it to `action`. Actions act
// by posting, so that the box's modal loop carries them out. One watcher at a time.
class DialogWatcher {
  public:
    using Action = std::function<void(HWND box)>;
    explicit DialogWatcher(Action action);
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Deliver(HWND, UINT, UINT_PTR timer, DWORD);

    Action action_;
    std::deque<HWND> activated_;
    HHOOK hook_;
};

// What a message box showed.
struct SeenMessageBox {
    std::wstring text;
    std::wstring caption;
    HICON icon = nullptr;  // null when it showed none
    friend bool operator==(const SeenMessageBox&, const SeenMessageBox&) = default;
};

bool IsMessageBox(HWND box);
SeenMessageBox ReadMessageBox(HWND box);
// Presses a button of a dialog box the way a click would.
void PostClick(HWND box, int buttonId);
std::wstring ClassOf(HWND window);
// Runs what is waiting in this thread's queue, as a modeless dialog's loop would.
void PumpMessages();

}  // namespace pivlon::win32::testing
