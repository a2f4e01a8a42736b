#include "tests/support/win32/SenderCaptureFiles.h"

#include "tests/support/win32/TestFiles.h"
#include "tests/support/win32/Utf8.h"

namespace pivlon::testing {

std::optional<std::string> SenderCaptureFiles::Mail() const {
    return ReadBytes(prefix_ + L".mail");
}

std::optional<std::wstring> SenderCaptureFiles::CommandLine() const {
    return ReadUtf8(L".cmdline");
}

std::optional<std::wstring> SenderCaptureFiles::Signature() const {
    return ReadUtf8(L".signature");
}

std::optional<std::wstring> SenderCaptureFiles::ReadUtf8(const wchar_t* suffix) const {
    const std::optional<std::string> bytes = ReadBytes(prefix_ + suffix);
    if (!bytes)
        return std::nullopt;
    return FromUtf8(*bytes);
}

}  // namespace pivlon::testing
