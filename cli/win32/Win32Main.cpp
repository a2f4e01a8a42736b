#include <windows.h>

// After <windows.h>, whose types it uses.
#include <shellapi.h>

#include <string>
#include <vector>

#include "cli/PivlonCli.h"
#include "platform/win32/Encoding.h"
#include "platform/win32/Win32ProfileStore.h"
#include "platform/win32/Win32Terminal.h"
#include "platform/win32/Win32UriOpener.h"
#include "platform/win32/Win32Utf8Converter.h"

namespace {

// The arguments as typed, from the UTF-16 command line: the narrow argv of
// main holds only what the ANSI code page can spell.
std::vector<std::string> Utf8Arguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int index = 0; index < count; ++index) {
        arguments.push_back(pivlon::win32::FromUtf16(CP_UTF8, wide[index]));
    }
    LocalFree(wide);
    return arguments;
}

}  // namespace

int main() {
    pivlon::win32::Win32ProfileStore store;
    const pivlon::win32::Win32Utf8Converter converter;
    pivlon::win32::Win32UriOpener opener;
    pivlon::win32::Win32Terminal terminal;
    return pivlon::cli::RunPivlonCli(Utf8Arguments(), {store, converter, opener, terminal});
}
