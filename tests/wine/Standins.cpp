#include "tests/wine/Standins.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/wine/TestFiles.h"

namespace pivlon::testing {
namespace {

std::wstring Utf16FromUtf8(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring utf16(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, utf16.data(), length);
    return utf16;
}

}  // namespace

std::wstring StandinPath(const std::wstring& fileName) {
    wchar_t folder[MAX_PATH + 1] = L"";
    if (GetEnvironmentVariableW(L"PIVLON_STANDINS_DIR", folder, MAX_PATH + 1) == 0) {
        ADD_FAILURE() << "PIVLON_STANDINS_DIR is not set: run the test through ctest, or set it "
                         "to the Windows path of the build's standins folder";
    }
    return std::wstring(folder) + L'\\' + fileName;
}

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
    return Utf16FromUtf8(*bytes);
}

}  // namespace pivlon::testing
