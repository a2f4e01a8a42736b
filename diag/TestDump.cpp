#include "diag/TestDump.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "command/ComposeOperation.h"
#include "platform/TextMode.h"
#include "tables/Operations.h"
#include "tables/ServerFamilies.h"

namespace pivlon {

namespace {

constexpr const char* kDumpFileName = "debug.txt";
constexpr const char* kDumpMailNumbers = "1-10,13";

// The rows in the order of the dump's sections, which is not that of the tab pages.
std::vector<const OperationRow*> SectionsInDumpOrder() {
    std::vector<const OperationRow*> sections;
    for (const OperationRow& row : Operations())
        sections.push_back(&row);
    std::ranges::sort(sections, {}, &OperationRow::dumpPosition);
    return sections;
}

// A server type outside the three families has no name; its number is shown
// instead, which is what a developer reading the dump needs to see.
std::string TypeText(int serverType) {
    const ServerFamily* family = FindServerFamily(serverType);
    return family ? std::string(family->name) : std::to_string(serverType);
}

// Writes piece by piece, so that a failed write ends the dump right there.
class DumpWriter {
  public:
    explicit DumpWriter(OutputFile& file) : file_(file) {}
    bool Write(std::string_view text) {
        error_ = file_.Write(ToTextMode(text));
        return !error_;
    }
    const std::optional<FileError>& Error() const { return error_; }

  private:
    OutputFile& file_;
    std::optional<FileError> error_;
};

bool WriteRecord(DumpWriter& out, CommandRequest& request, std::string& mailText,
                 const ListCatalog& catalog) {
    if (!out.Write("\n<<<<ML Name : ") || !out.Write(request.listName) || !out.Write(">>>>\n")) {
        return false;
    }
    catalog.ReadServerType(request.listName, request.serverType);
    catalog.ReadCommandAddress(request.listName, request.commandAddress);
    if (!out.Write("Type : ") || !out.Write(TypeText(request.serverType)) || !out.Write("\n")) {
        return false;
    }
    for (const OperationRow* section : SectionsInDumpOrder()) {
        if (!out.Write("======") || !out.Write(section->dumpLabel) || !out.Write("======\n")) {
            return false;
        }
        ComposeOperation(section->operation, request, mailText, catalog);
        if (!out.Write(mailText))
            return false;
    }
    return out.Write("========================\n");
}

}  // namespace

bool WriteTestDump(DialogHost& host, CommandRequest& request, std::string& mailText,
                   const ListCatalog& catalog, System& system) {
    auto created = system.CreateOutputFile(kDumpFileName);
    if (auto* error = std::get_if<FileError>(&created)) {
        host.ShowMessage(Message::Of(*error));
        return false;
    }
    std::unique_ptr<OutputFile> file = std::move(std::get<std::unique_ptr<OutputFile>>(created));
    DumpWriter out(*file);
    // The list name and mail numbers are borrowed and given back, so that a dump ended by a
    // failed write leaves the dialog holding the selected list's name: the member data typed
    // for it must not be saved under the last list dumped.
    const std::string heldListName = request.listName;
    const std::string heldMailNumbers = request.mailNumbers;
    const int count = host.ListEntryCount();
    request.mailNumbers = kDumpMailNumbers;
    for (int i = 0; i < count; ++i) {
        request.listName = host.ListEntry(i);
        if (!WriteRecord(out, request, mailText, catalog))
            break;
    }
    request.listName = heldListName;
    request.mailNumbers = heldMailNumbers;
    const std::optional<FileError> closeError = file->Close();
    const std::optional<FileError>& error = out.Error() ? out.Error() : closeError;
    if (error) {
        host.ShowMessage(Message::Of(*error));
        return false;
    }
    return true;
}

}  // namespace pivlon
