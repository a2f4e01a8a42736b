#include "cli/PivlonCli.h"

#include <CLI/CLI.hpp>

#include "cli/CliCatalog.h"
#include "cli/CliFailure.h"
#include "cli/ComposeMail.h"
#include "cli/ImportCommand.h"
#include "cli/ListsCommand.h"
#include "cli/MailFormats.h"
#include "cli/OperationNames.h"
#include "cli/ServersCommand.h"

namespace pivlon::cli {
namespace {

constexpr const char* kProgram = "pivlon-cli";

struct Subcommands {
    CLI::App* lists;
    CLI::App* compose;
    CLI::App* open;
    CLI::App* servers;
    CLI::App* import;
};

void AddMailOptions(CLI::App& command, MailOptions& options) {
    command.add_option("LIST", options.list, "the list's name, as the catalog spells it")
        ->required();
    command.add_option("OPERATION", options.operation, AllOperationNames())->required();
    command.add_option("--address", options.address,
                       "the registered address (default: the list's MailAddr in Pivlon.ini)");
    command.add_flag("--specify-address", options.specifyAddress,
                     "put the registered address into Majordomo's and FML's subscribe and "
                     "unsubscribe commands, and the new one into Majordomo's address change");
    command.add_option("--new-address", options.newAddress, "the new address of change-address");
    command.add_option("--member-number", options.memberNumber,
                       "CML's member number (default: MemberNo in Pivlon.ini)");
    command.add_option("--password", options.password,
                       "CML's password (default: Password in Pivlon.ini)");
    command.add_option("--parameter", options.parameter, "FML's digest mode for digest-join")
        ->capture_default_str();
    command.add_option("--numbers", options.numbers, "the mail numbers of get, as 1-10,13");
}

Subcommands AddSubcommands(CLI::App& app, bool& json, MailOptions& options,
                           ImportOptions& importOptions) {
    Subcommands commands{};
    commands.lists = app.add_subcommand("lists",
                                        "one line per catalog list: name, family, "
                                        "command address, first description line");
    commands.lists->add_flag("--json", json, "a JSON array of every field instead");
    commands.compose =
        app.add_subcommand("compose", "print the command mail of LIST and OPERATION");
    AddMailOptions(*commands.compose, options);
    commands.compose
        ->add_option("--format", options.format,
                     "text (for the terminal), raw (the window program's mail file: Shift-JIS, "
                     "CR LF), eml (a MIME draft), mailto (an RFC 6068 URI)")
        ->check(CLI::IsMember(std::vector<std::string>(std::begin(kFormats), std::end(kFormats))))
        ->capture_default_str();
    commands.open = app.add_subcommand("open",
                                       "hand the command mail to the desktop's mail client, to "
                                       "review and send there");
    AddMailOptions(*commands.open, options);
    commands.servers = app.add_subcommand(
        "servers", "where the real list servers do not do what a mail intends, and what to do");
    commands.import = AddImportCommand(app, importOptions);
    return commands;
}

void WriteLine(const CliPlatform& platform, OutputStream stream, const std::string& text) {
    platform.terminal.WriteText(stream, text + "\n");
}

void WriteWarnings(const CliPlatform& platform, const ComposedMail& mail) {
    for (const std::string& warning : mail.warnings) {
        WriteLine(platform, OutputStream::standardError, std::string(kProgram) + ": " + warning);
    }
}

void RunCompose(const CliPlatform& platform, const MailOptions& options) {
    const ComposedMail mail = ComposeMail(options, platform);
    const FormattedMail formatted = FormatMail(options.format, mail.mailText, platform.converter);
    if (!formatted.isText) {
        platform.terminal.WriteBytes(formatted.bytes);
    } else if (!platform.terminal.WriteText(OutputStream::standardOutput, formatted.bytes)) {
        throw CliFailure{ExitStatus::notConvertible,
                         "the terminal's character set cannot show the mail; use --format raw"};
    }
    WriteWarnings(platform, mail);
}

void RunOpen(const CliPlatform& platform, const MailOptions& options) {
    const ComposedMail mail = ComposeMail(options, platform);
    std::string failure;
    if (!platform.opener.Open(MailtoOf(mail.mailText, platform.converter), failure))
        throw CliFailure{ExitStatus::openFailed, "the mail client was not reached: " + failure};
    WriteWarnings(platform, mail);
}

void Dispatch(const Subcommands& commands, const CliPlatform& platform, bool json,
              const MailOptions& options, const ImportOptions& importOptions) {
    if (commands.lists->parsed()) {
        RunLists(platform, json);
    } else if (commands.compose->parsed()) {
        RunCompose(platform, options);
    } else if (commands.open->parsed()) {
        RunOpen(platform, options);
    } else if (commands.import->parsed()) {
        RunImport(platform, importOptions);
    } else {
        platform.terminal.WriteText(OutputStream::standardOutput, ServersTable());
    }
}

}  // namespace

int RunPivlonCli(const std::vector<std::string>& arguments, const CliPlatform& platform) {
    CLI::App app("Pivlon's command mails for mailing-list servers, for any mail client.", kProgram);
    app.require_subcommand(1);
    // --folder may stand after the subcommand too.
    app.fallthrough();
    std::string folder;
    app.add_option("--folder", folder,
                   "the folder of Pivlon.dat and Pivlon.ini (default: the current folder)");
    bool json = false;
    MailOptions options;
    ImportOptions importOptions;
    const Subcommands commands = AddSubcommands(app, json, options, importOptions);

    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
        if (!folder.empty())
            EnterFolder(folder);
        Dispatch(commands, platform, json, options, importOptions);
    } catch (const CLI::CallForHelp&) {
        platform.terminal.WriteText(OutputStream::standardOutput, app.help());
        return 0;
    } catch (const CLI::ParseError& error) {
        std::string help;
        for (const CLI::App* command : app.get_subcommands()) {
            help = " " + command->get_name();
        }
        WriteLine(
            platform, OutputStream::standardError,
            std::string(kProgram) + ": " + error.what() + " (see " + kProgram + help + " --help)");
        return static_cast<int>(ExitStatus::usage);
    } catch (const CliFailure& failure) {
        WriteLine(platform, OutputStream::standardError,
                  std::string(kProgram) + ": " + failure.message);
        return static_cast<int>(failure.status);
    }
    return 0;
}

}  // namespace pivlon::cli
