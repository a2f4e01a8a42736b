#pragma once

#include <windows.h>

#include <string>

#include "platform/Message.h"

namespace pivlon::win32 {

// What one message box shows: its text with the argument put in, its caption
// and its icon flag (0 for none).
struct MessageBoxContent {
    std::wstring text;
    std::wstring caption;
    UINT icon = 0;
};

// Builds the box for a message from the string table of `instance`.
// `applicationTitle` is the caption of the messages that have none of their own.
MessageBoxContent ComposeMessageBox(HINSTANCE instance, const Message& message,
                                    const std::wstring& applicationTitle);

}  // namespace pivlon::win32
