#include "standins/SenderCapture.h"

#include <windows.h>

#include <utility>

#include "platform/win32/Encoding.h"
#include "platform/win32/FileReplacement.h"

namespace pivlon::standins {
namespace {

std::string Utf8Of(std::wstring_view text) {
    return win32::FromUtf16(CP_UTF8, text);
}

}  // namespace

SenderCapture::SenderCapture(std::wstring prefix) : prefix_(std::move(prefix)) {}

bool SenderCapture::RecordMail(const std::string& bytes) const {
    return Record(L".mail", bytes);
}

bool SenderCapture::RecordCommandLine(std::wstring_view commandLine) const {
    return Record(L".cmdline", Utf8Of(commandLine));
}

bool SenderCapture::RecordSignature(std::wstring_view entry) const {
    return Record(L".signature", Utf8Of(entry));
}

// False when the record could not be made now, for instance while a test
// holds the file open to read it; the caller tries again later.
bool SenderCapture::Record(const wchar_t* suffix, const std::string& bytes) const {
    if (prefix_.empty())
        return true;
    return win32::ReplaceFileContent(prefix_ + suffix, bytes);
}

}  // namespace pivlon::standins
