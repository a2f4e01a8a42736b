#pragma once

#include <optional>
#include <string>
#include <utility>

namespace pivlon::testing {

// The stand-in programs as tests start and observe them.
inline constexpr wchar_t kMailClientProgram[] = L"kopost.exe";
inline constexpr wchar_t kSenderProgram[] = L"dravex.exe";
// Path prefix under which the sender records what it received.
inline constexpr wchar_t kSenderCaptureVariable[] = L"PIVLON_SENDER_CAPTURE";
// "noeditor": reads the mail but never opens its editor; "exit": ends at once.
inline constexpr wchar_t kSenderModeVariable[] = L"PIVLON_SENDER_MODE";

// The full Windows path of a stand-in program, from PIVLON_STANDINS_DIR.
std::wstring StandinPath(const std::wstring& fileName);

// The files that the sender stand-in writes under one path prefix. Each is
// nullopt until the sender has written it.
class SenderCaptureFiles {
  public:
    explicit SenderCaptureFiles(std::wstring prefix) : prefix_(std::move(prefix)) {}

    const std::wstring& Prefix() const { return prefix_; }
    // The mail file's bytes exactly as the sender read them.
    std::optional<std::string> Mail() const;
    // The sender's raw command line.
    std::optional<std::wstring> CommandLine() const;
    // The signature entry selected in the editor.
    std::optional<std::wstring> Signature() const;

  private:
    std::optional<std::wstring> ReadUtf8(const wchar_t* suffix) const;

    std::wstring prefix_;
};

}  // namespace pivlon::testing
