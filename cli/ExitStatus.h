#pragma once

namespace pivlon::cli {

// The exit statuses of pivlon-cli, as the README documents them.
enum class ExitStatus {
    success = 0,
    usage = 2,               // unknown subcommand, option, operation or format
    unknownList = 3,         // the catalog has no such list
    catalogMissing = 4,      // no readable Pivlon.dat (or the --folder cannot be entered)
    catalogEntryFaulty = 5,  // a key the window program would report as faulty
    notOffered = 6,          // the list's server family has no such operation
    memberNumberRefused = 7,
    mailNumbersRefused = 8,
    notConvertible = 9,  // a text has no form in the encoding it must go out in
    openFailed = 10,     // the desktop did not take the mailto: URI
};

}  // namespace pivlon::cli
