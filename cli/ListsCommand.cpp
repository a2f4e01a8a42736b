#include "cli/ListsCommand.h"

#include <nlohmann/json.hpp>

#include "catalog/ListCatalog.h"
#include "cli/CliCatalog.h"
#include "cli/CliFailure.h"
#include "cli/CliTexts.h"
#include "tables/ServerFamilies.h"

namespace pivlon::cli {
namespace {

struct ListEntry {
    std::string name;
    int serverType = 0;
    const ServerFamily* family = nullptr;
    std::string commandAddress;
    std::string digestList;
    std::string description;  // lines ended by line feeds
};

// The description's lines come ended by CR LF, for the window's text box.
std::string WithLineFeeds(const std::string& description) {
    std::string text;
    for (const char byte : description) {
        if (byte != '\r')
            text += byte;
    }
    return text;
}

ListEntry ReadEntry(const ListCatalog& catalog, const Utf8Converter& converter,
                    const std::string& name, std::vector<std::string>& warnings) {
    ListEntry entry;
    entry.name = Utf8Of(converter, "a list name of the catalog", name);
    if (catalog.ReadServerType(name, entry.serverType)) {
        entry.family = FindServerFamily(entry.serverType);
    } else {
        warnings.push_back(FaultyKeyMessage(entry.name, "Type"));
    }
    std::string address;
    if (catalog.ReadCommandAddress(name, address)) {
        entry.commandAddress = Utf8Of(converter, "a command address", address);
    } else {
        warnings.push_back(FaultyKeyMessage(entry.name, "To"));
    }
    std::string digestList;
    if (entry.family != nullptr && entry.family->digestIsOwnList &&
        catalog.ReadDigestList(name, digestList)) {
        entry.digestList = Utf8Of(converter, "a digest list name", digestList);
    }
    entry.description =
        Utf8Of(converter, "a list description", WithLineFeeds(catalog.ReadDescription(name)));
    return entry;
}

std::string JsonOf(const std::vector<ListEntry>& entries) {
    // Fields in the catalog's order, not sorted.
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (const ListEntry& entry : entries) {
        array.push_back({
            {"name", entry.name},
            {"type", entry.serverType},
            {"family",
             entry.family ? nlohmann::ordered_json(entry.family->name) : nlohmann::ordered_json()},
            {"to", entry.commandAddress},
            {"dijest", entry.digestList},
            {"description", entry.description},
        });
    }
    return array.dump(2) + "\n";
}

std::string LinesOf(const std::vector<ListEntry>& entries) {
    std::string lines;
    for (const ListEntry& entry : entries) {
        const std::string family = entry.family ? std::string(entry.family->name) : "-";
        const std::string firstLine = entry.description.substr(0, entry.description.find('\n'));
        lines += entry.name + "\t" + family + "\t" + entry.commandAddress + "\t" + firstLine + "\n";
    }
    return lines;
}

}  // namespace

void RunLists(const CliPlatform& platform, bool json) {
    RequireCatalog(platform.store);
    CountingMessages messages;
    const ListCatalog catalog(platform.store, messages);
    std::vector<ListEntry> entries;
    std::vector<std::string> warnings;
    for (const std::string& name : catalog.ListNames()) {
        entries.push_back(ReadEntry(catalog, platform.converter, name, warnings));
    }
    if (json) {
        platform.terminal.WriteBytes(JsonOf(entries));
    } else if (!platform.terminal.WriteText(OutputStream::standardOutput, LinesOf(entries))) {
        throw CliFailure{ExitStatus::notConvertible,
                         "the terminal's character set cannot show the list names; use --json"};
    }
    for (const std::string& warning : warnings) {
        platform.terminal.WriteText(OutputStream::standardError,
                                    "pivlon-cli: warning: " + warning + "\n");
    }
}

}  // namespace pivlon::cli
