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
    notConvertible = 9,      // a text has no form in the encoding it must go out in
    openFailed = 10,         // the desktop did not take the mailto: URI
    mailUnreadable = 11,     // import: the MAIL file cannot be read
    notAMail = 12,           // import: an empty file, binary data, no header block
    evidenceMissing = 13,    // import: the headers leave a family, address or name open
    listExists = 14,         // import --write: the catalog has a list of that name
    catalogNotWritten = 15,  // import --write: Pivlon.dat cannot hold it, or was not replaced
};

}  // namespace pivlon::cli
