#include "cli/CliCatalog.h"

#include <filesystem>
#include <system_error>

#include "catalog/ShiftJis.h"
#include "cli/CliFailure.h"
#include "cli/CliTexts.h"
#include "tables/ServerFamilies.h"

namespace pivlon::cli {
namespace {

constexpr const char* kCatalogFile = "Pivlon.dat";

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

void EnterFolder(const std::string& folderUtf8) {
    std::error_code error;
    std::filesystem::current_path(PathOf(folderUtf8), error);
    if (error) {
        throw CliFailure{ExitStatus::catalogMissing,
                         "--folder " + folderUtf8 + ": cannot be entered: " + error.message()};
    }
}

void RequireCatalog(ProfileStore& store) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(kCatalogFile, error)) {
        throw CliFailure{ExitStatus::catalogMissing,
                         "no catalog Pivlon.dat in this folder (give its folder with --folder)"};
    }
    if (!store.Read(kCatalogFile)) {
        throw CliFailure{ExitStatus::catalogMissing, "the catalog Pivlon.dat cannot be read"};
    }
}

std::string FindList(const ListCatalog& catalog, const Utf8Converter& converter,
                     const std::string& nameUtf8) {
    const std::string wanted = ShiftJisOf(converter, "the list name", nameUtf8);
    const std::vector<std::string> names = catalog.ListNames();
    for (const std::string& name : names) {
        if (sjis::EqualIgnoringAsciiCase(name, wanted))
            return name;
    }
    std::string known;
    for (const std::string& name : names) {
        known +=
            (known.empty() ? "" : ", ") + Utf8Of(converter, "a list name of the catalog", name);
    }
    throw CliFailure{ExitStatus::unknownList, "unknown list '" + nameUtf8 + "'; the catalog has: " +
                                                  (known.empty() ? "no lists" : known)};
}

std::string FaultyKeyMessage(const std::string& listUtf8, std::string_view key) {
    const std::string start = "list '" + listUtf8 + "': the catalog key " + std::string(key);
    if (key == "Type")
        return start + " names no server family (" + FamilyTypes() + ")";
    return start + " is missing or empty";
}

std::string FamilyTypes() {
    std::string types;
    for (const ServerFamily& family : ServerFamilies()) {
        types += (types.empty() ? "" : ", ") + std::to_string(family.serverType) + " " +
                 std::string(family.name);
    }
    return types;
}

}  // namespace pivlon::cli
