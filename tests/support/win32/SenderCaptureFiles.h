#pragma once

#include <optional>
#include <string>
#include <utility>

namespace pivlon::testing {

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
