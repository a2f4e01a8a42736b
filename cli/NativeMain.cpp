#include <clocale>
#include <string>
#include <vector>

#include "cli/PivlonCli.h"
#include "platform/IconvUtf8Converter.h"
#include "platform/StdProfileStore.h"
#include "platform/StdTerminal.h"
#include "platform/XdgUriOpener.h"

// The arguments are taken as UTF-8, the encoding of the terminals of today.
int main(int argc, char** argv) {
    std::setlocale(LC_CTYPE, "");
    pivlon::StdProfileStore store;
    const pivlon::IconvUtf8Converter converter;
    pivlon::XdgUriOpener opener;
    pivlon::StdTerminal terminal;
    const std::vector<std::string> arguments(argv, argv + argc);
    return pivlon::cli::RunPivlonCli(arguments, {store, converter, opener, terminal});
}
