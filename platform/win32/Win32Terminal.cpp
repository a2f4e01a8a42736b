#include "platform/win32/Win32Terminal.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "platform/win32/Encoding.h"

namespace pivlon::win32 {
namespace {

FILE* FileOf(OutputStream stream) {
    return stream == OutputStream::standardOutput ? stdout : stderr;
}

HANDLE HandleOf(OutputStream stream) {
    return GetStdHandle(stream == OutputStream::standardOutput ? STD_OUTPUT_HANDLE
                                                               : STD_ERROR_HANDLE);
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

}  // namespace

Win32Terminal::Win32Terminal() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool Win32Terminal::WriteText(OutputStream stream, std::string_view utf8) {
    const HANDLE handle = HandleOf(stream);
    if (!IsConsole(handle)) {
        std::fwrite(utf8.data(), 1, utf8.size(), FileOf(stream));
        return true;
    }
    const auto utf16 = ToUtf16Exactly(CP_UTF8, utf8);
    if (!utf16)
        return false;
    std::fflush(FileOf(stream));
    DWORD written = 0;
    WriteConsoleW(handle, utf16->data(), static_cast<DWORD>(utf16->size()), &written, nullptr);
    return true;
}

void Win32Terminal::WriteBytes(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

}  // namespace pivlon::win32
