#pragma once

#include <string>

namespace pivlon::testing {

// The stand-in programs as tests start and observe them.
inline constexpr wchar_t kMailClientProgram[] = L"kopost.exe";
inline constexpr wchar_t kSenderProgram[] = L"dravex.exe";
// Path prefix under which the sender records what it received.
inline constexpr wchar_t kSenderCaptureVariable[] = L"PIVLON_SENDER_CAPTURE";
// "noeditor": reads the mail but never opens its editor; "exit": ends at once.
inline constexpr wchar_t kSenderModeVariable[] = L"PIVLON_SENDER_MODE";

// The full Windows path of a stand-in program, in the folder that
// PIVLON_STANDINS_DIR names; throws when that is not set.
std::wstring StandinPath(const std::wstring& fileName);
// The program under test, built beside the stand-ins' folder.
std::wstring PivlonExe();

}  // namespace pivlon::testing
