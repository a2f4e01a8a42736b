#include "cli/ComposeMail.h"

#include "catalog/MemberSettings.h"
#include "cli/CliCatalog.h"
#include "cli/CliFailure.h"
#include "cli/CliTexts.h"
#include "cli/OperationNames.h"
#include "command/ComposeCommand.h"
#include "command/ParseMailNumbers.h"
#include "command/ServerWarnings.h"
#include "tables/ServerFamilies.h"
#include "ui/MemberNumberText.h"

namespace pivlon::cli {
namespace {

CommandOperation RequireOperation(const std::string& name) {
    if (auto operation = OperationNamed(name))
        return *operation;
    throw CliFailure{ExitStatus::usage, "unknown operation '" + name +
                                            "'; the operations are: " + AllOperationNames()};
}

// Options given replace the list's values from Pivlon.ini.
void ApplyMemberOptions(const MailOptions& options, const Utf8Converter& converter,
                        CommandRequest& request) {
    if (options.address)
        request.mailAddress = ShiftJisOf(converter, "--address", *options.address);
    if (options.password)
        request.password = ShiftJisOf(converter, "--password", *options.password);
    if (options.memberNumber) {
        const auto number = ReadMemberNumber(*options.memberNumber);
        if (!number) {
            throw CliFailure{ExitStatus::memberNumberRefused,
                             "--member-number '" + *options.memberNumber +
                                 "' is not a whole number (the window program refuses it too)"};
        }
        request.memberNumber = *number;
    }
    request.specifyAddress = options.specifyAddress ? 1 : 0;
    request.newAddress = ShiftJisOf(converter, "--new-address", options.newAddress.value_or(""));
    request.parameter = ShiftJisOf(converter, "--parameter", options.parameter);
    request.mailNumbers = ShiftJisOf(converter, "--numbers", options.numbers);
}

// ComposeCommand reads Type, then To, then (for a digest that is a list of its own)
// dijest, and fills the request as it goes: what it filled tells which one failed.
std::string_view FaultyKey(const CommandRequest& request) {
    if (FindServerFamily(request.serverType) == nullptr)
        return "Type";
    if (request.commandAddress.empty())
        return "To";
    return "dijest";
}

std::string OfferedOperations(const ServerFamily& family) {
    std::string names;
    for (const CommandOperation operation : family.offers) {
        names += (names.empty() ? "" : " ") + std::string(NameOf(operation));
    }
    return names;
}

// A Majordomo list fetches mails by number, one get line each: numbers its
// parser refuses would send a mail with no get line at all.
void RequireMailNumbers(const CommandRequest& request, CommandOperation operation,
                        const std::string& numbersUtf8) {
    MailNumberList numbers;
    if (request.serverType != ServerType::Majordomo || operation != CommandOperation::Get ||
        ParseMailNumbers(request.mailNumbers, numbers) >= 0) {
        return;
    }
    throw CliFailure{ExitStatus::mailNumbersRefused,
                     "--numbers '" + numbersUtf8 +
                         "': a Majordomo list's get takes numbers and ranges such as 1-10,13, "
                         "digits, commas and hyphens only; the mail would ask for nothing"};
}

std::vector<std::string> WarningsFor(const CommandRequest& request, CommandOperation operation) {
    std::vector<std::string> lines;
    for (const ServerWarning& warning : ServerWarnings()) {
        if (Applies(warning, request.serverType, operation, request)) {
            lines.push_back("warning: " + std::string(FindServerFamily(warning.serverType)->name) +
                            " " + std::string(NameOf(operation)) + ": " +
                            std::string(warning.serverDoes) + "; instead, " +
                            std::string(warning.doInstead));
        }
    }
    return lines;
}

}  // namespace

ComposedMail ComposeMail(const MailOptions& options, const CliPlatform& platform) {
    RequireCatalog(platform.store);
    CountingMessages messages;
    const ListCatalog catalog(platform.store, messages);
    const CommandOperation operation = RequireOperation(options.operation);
    const std::string listName = FindList(catalog, platform.converter, options.list);

    const MemberRecord member = MemberSettings(platform.store).LoadMember(listName);
    CommandRequest request;
    request.listName = listName;
    request.mailAddress = member.mailAddress;
    request.memberNumber = member.memberNumber;
    request.password = member.password;
    ApplyMemberOptions(options, platform.converter, request);

    ComposedMail composed;
    const ComposeResult result = ComposeCommand(request, operation, composed.mailText, catalog);
    const std::string listUtf8 = Utf8Of(platform.converter, "the list name", listName);
    const ServerFamily* family = FindServerFamily(request.serverType);
    if (result == ComposeResult::catalogErrorShown || family == nullptr) {
        throw CliFailure{ExitStatus::catalogEntryFaulty,
                         FaultyKeyMessage(listUtf8, FaultyKey(request))};
    }
    if (result == ComposeResult::notOffered) {
        throw CliFailure{ExitStatus::notOffered,
                         "list '" + listUtf8 + "' is a " + std::string(family->name) +
                             " list, which offers no " + std::string(NameOf(operation)) +
                             "; it offers: " + OfferedOperations(*family)};
    }
    RequireMailNumbers(request, operation, options.numbers);
    composed.warnings = WarningsFor(request, operation);
    return composed;
}

}  // namespace pivlon::cli
