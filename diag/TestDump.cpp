#include "diag/TestDump.h"

#include <array>
#include <memory>
#include <optional>
#include <variant>

#include "command/Composers.h"
#include "platform/TextMode.h"

namespace pivlon {

namespace {

constexpr const char* kDumpFileName = "debug.txt";
constexpr const char* kDumpMailNumbers = "1-10,13";

struct DumpSection {
    const char* label;  // Shift-JIS, with its blank on either side
    Composer compose;
};

// The dump's own order, not that of the tab pages.
constexpr std::array<DumpSection, 10> kSections{{
    {"\x20\x93\xfc\x89\xef\x20", ComposeJoin},                               // " 入会 "
    {"\x20\x91\xde\x89\xef\x20", ComposeLeave},                              // " 退会 "
    {"\x20\xb1\xc4\xde\xda\xbd\x95\xcf\x8d\x58\x20", ComposeChangeAddress},  // " ｱﾄﾞﾚｽ変更 "
    {"\x20\x88\xea\x8e\x9e\x92\xe2\x8e\x7e\x20", ComposePause},              // " 一時停止 "
    {"\x20\x8d\xc4\x8a\x4a\x20", ComposeResume},                             // " 再開 "
    {"\x20\x83\x5f\x83\x43\x83\x57\x83\x46\x83\x58\x83\x67\x93\xfc\x89\xef\x20",
     ComposeDigestJoin},  // " ダイジェスト入会 "
    {"\x20\x83\x5f\x83\x43\x83\x57\x83\x46\x83\x58\x83\x67\x91\xde\x89\xef\x20",
     ComposeDigestLeave},  // " ダイジェスト退会 "
    {"\x20\x83\x43\x83\x93\x83\x66\x83\x62\x83\x4e\x83\x58\x20", ComposeIndex},  // " インデックス "
    {"\x20\x82\x66\x82\x64\x82\x73\x20", ComposeGet},                            // " ＧＥＴ "
    {"\x20\x83\x77\x83\x8b\x83\x76\x20", ComposeHelp},                           // " ヘルプ "
}};

// A server type outside the three families has no name; its number is shown
// instead, which is what a developer reading the dump needs to see.
std::string TypeText(int serverType) {
    const char* name = ServerType::NameOf(serverType);
    return name ? name : std::to_string(serverType);
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
    for (const DumpSection& section : kSections) {
        if (!out.Write("======") || !out.Write(section.label) || !out.Write("======\n")) {
            return false;
        }
        section.compose(request, mailText, catalog);
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
    const int count = host.ListEntryCount();
    request.mailNumbers = kDumpMailNumbers;
    for (int i = 0; i < count; ++i) {
        request.listName = host.ListEntry(i);
        if (!WriteRecord(out, request, mailText, catalog))
            break;
    }
    const std::optional<FileError> closeError = file->Close();
    const std::optional<FileError>& error = out.Error() ? out.Error() : closeError;
    if (error) {
        host.ShowMessage(Message::Of(*error));
        return false;
    }
    return true;
}

}  // namespace pivlon
