#include "cli/ImportCommand.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "catalog/ListCatalog.h"
#include "cli/CliCatalog.h"
#include "cli/CliFailure.h"
#include "cli/CliTexts.h"
#include "import/CatalogEntry.h"
#include "import/EntryProposal.h"
#include "import/MailHeader.h"

namespace pivlon::cli {
namespace {

constexpr const char* kStandardInput = "-";

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The mail is named relative to the folder pivlon-cli started in, before --folder
// moves it to the catalog's.
std::string Absolute(std::string& mail) {
    if (mail != kStandardInput) {
        std::error_code error;
        const std::filesystem::path path = std::filesystem::absolute(PathOf(mail), error);
        if (!error) {
            const std::u8string text = path.u8string();
            mail.assign(text.begin(), text.end());
        }
    }
    return {};
}

std::string ReadMail(const std::string& mail) {
    if (mail == kStandardInput)
        return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    std::ifstream file(PathOf(mail), std::ios::binary);
    if (!file.is_open())
        throw CliFailure{ExitStatus::mailUnreadable,
                         mail + ": no such file, or it cannot be opened"};
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        throw CliFailure{ExitStatus::mailUnreadable, mail + ": cannot be read"};
    return bytes;
}

std::string NotAMailMessage(const std::string& mail, NotAMail fault) {
    switch (fault) {
        case NotAMail::Empty:
            return mail + ": an empty file, not a mail";
        case NotAMail::Binary:
            return mail + ": binary data, not a mail";
        case NotAMail::NoHeaderBlock:
            return mail + ": not a mail: its first line is no header field";
    }
    return mail + ": not a mail";
}

HeaderBlock ReadHeaders(const ImportOptions& options) {
    const std::string name = options.mail == kStandardInput ? "standard input" : options.mail;
    MailReading reading = ReadHeaderBlock(ReadMail(options.mail));
    if (!reading.headers)
        throw CliFailure{ExitStatus::notAMail, NotAMailMessage(name, *reading.fault)};
    return std::move(*reading.headers);
}

void WriteLines(const CliPlatform& platform, const std::vector<std::string>& lines,
                const std::string& start) {
    for (const std::string& line : lines) {
        platform.terminal.WriteText(
            OutputStream::standardError,
            "pivlon-cli: " + start + Utf8Of(platform.converter, "a header text", line) + "\n");
    }
}

// The section in the terminal's line ends.
std::string SectionText(const CliPlatform& platform, const CatalogEntry& entry) {
    std::string text;
    for (const char byte : Utf8Of(platform.converter, "the catalog entry", EntryText(entry))) {
        if (byte != '\r')
            text += byte;
    }
    return text;
}

void Append(const CliPlatform& platform, const CatalogEntry& entry) {
    const std::string name = Utf8Of(platform.converter, "the list name", entry.listName);
    switch (AppendCatalogEntry(platform.store, ListCatalog::kPath, entry)) {
        case AppendOutcome::Appended:
            return;
        case AppendOutcome::CatalogUnreadable:
            throw CliFailure{ExitStatus::catalogMissing, "the catalog Pivlon.dat cannot be read"};
        case AppendOutcome::ListExists:
            throw CliFailure{ExitStatus::listExists,
                             "the catalog already has a list '" + name +
                                 "' (names are compared without regard to case); nothing "
                                 "written (give another with --name)"};
        case AppendOutcome::NotReadBack:
            throw CliFailure{ExitStatus::catalogNotWritten,
                             "Pivlon.dat cannot hold list '" + name +
                                 "' exactly as found (blanks at an end of the name, quotes "
                                 "around a value); nothing written"};
        case AppendOutcome::ReplaceFailed:
            throw CliFailure{ExitStatus::catalogNotWritten,
                             "Pivlon.dat could not be replaced; it is as it was"};
    }
}

}  // namespace

CLI::App* AddImportCommand(CLI::App& app, ImportOptions& options) {
    CLI::App* command = app.add_subcommand(
        "import", "propose the catalog section of the list that sent MAIL, from its headers");
    command->add_option("MAIL", options.mail, "a saved message (.eml), or - for standard input")
        ->required()
        ->transform(CLI::Validator(Absolute, ""));
    command->add_option("--name", options.name, "the list's name, where the headers name none");
    command->add_option("--type", options.type,
                        "the list's server family, where the headers tell none: " + FamilyTypes());
    command->add_flag("--write", options.write,
                      "append the section at the end of Pivlon.dat (never over a list of the "
                      "same name)");
    return command;
}

void RunImport(const CliPlatform& platform, const ImportOptions& options) {
    const HeaderBlock headers = ReadHeaders(options);
    ImportChoices choices;
    if (!options.name.empty())
        choices.listName = ShiftJisOf(platform.converter, "--name", options.name);
    choices.serverType = options.type;
    const EntryProposal proposal = ProposeEntry(headers, choices, platform.converter);
    WriteLines(platform, proposal.found, "found ");
    if (!proposal.entry) {
        WriteLines(platform, proposal.missing, "missing ");
        throw CliFailure{ExitStatus::evidenceMissing,
                         "no catalog section: the headers leave the facts above open"};
    }
    const std::string section = SectionText(platform, *proposal.entry);
    if (options.write)
        Append(platform, *proposal.entry);
    platform.terminal.WriteText(OutputStream::standardOutput, section);
    if (options.write)
        platform.terminal.WriteText(OutputStream::standardError,
                                    "pivlon-cli: appended to Pivlon.dat\n");
}

}  // namespace pivlon::cli
