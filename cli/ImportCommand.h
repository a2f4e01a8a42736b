#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "cli/CliPlatform.h"

namespace pivlon::cli {

// `import MAIL [--name NAME] [--type 1|2|3] [--write]`.
struct ImportOptions {
    std::string mail;  // a path, made absolute when parsed, or "-" for standard input
    std::string name;
    std::optional<int> type;
    bool write = false;
};

CLI::App* AddImportCommand(CLI::App& app, ImportOptions& options);

// Prints what the mail's headers tell of its list and the catalog section they
// support, and with --write appends it to Pivlon.dat.
void RunImport(const CliPlatform& platform, const ImportOptions& options);

}  // namespace pivlon::cli
