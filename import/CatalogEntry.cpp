#include "import/CatalogEntry.h"

#include "catalog/ListCatalog.h"
#include "catalog/ProfileImage.h"
#include "catalog/ProfileView.h"

namespace pivlon {
namespace {

std::string InfoKey(std::size_t index) {
    return "Info" + std::to_string(index + 1);
}

// Every value as the program's reader will read it, and the section found at the
// place it was appended: a name or value the file cannot hold exactly (blanks at
// its ends, a pair of quotes around it, a line break) shows here.
bool ReadsBack(const ProfileView& view, std::size_t appendedAt, const CatalogEntry& entry) {
    constexpr std::size_t kBuffer = ListCatalog::kValueBufferSize;
    const std::optional<ProfileLine> header = view.FindSection(entry.listName);
    if (!header || header->start < appendedAt || header->name != entry.listName)
        return false;
    const std::string& name = entry.listName;
    bool same = view.ReadInt(name, "Type", 0) == static_cast<std::uint32_t>(entry.serverType) &&
                view.ReadString(name, "To", kBuffer) == entry.commandAddress &&
                view.ReadString(name, "dijest", kBuffer) == entry.digestList;
    for (std::size_t i = 0; i < entry.description.size(); ++i)
        same = same && view.ReadString(name, InfoKey(i), kBuffer) == entry.description[i];
    return same && view.ReadString(name, InfoKey(entry.description.size()), kBuffer).empty();
}

}  // namespace

void WriteEntry(ProfileFile& file, const CatalogEntry& entry) {
    file.WriteString(entry.listName, "Type", std::to_string(entry.serverType));
    file.WriteString(entry.listName, "To", entry.commandAddress);
    if (!entry.digestList.empty())
        file.WriteString(entry.listName, "dijest", entry.digestList);
    for (std::size_t i = 0; i < entry.description.size(); ++i)
        file.WriteString(entry.listName, InfoKey(i), entry.description[i]);
}

std::string EntryText(const CatalogEntry& entry) {
    ProfileFile file("");
    WriteEntry(file, entry);
    return file.Bytes();
}

AppendOutcome AppendCatalogEntry(ProfileStore& store, const std::string& path,
                                 const CatalogEntry& entry) {
    const std::shared_ptr<const ProfileImage> image = store.Read(path);
    if (!image)
        return AppendOutcome::CatalogUnreadable;
    ProfileFile file{image->Bytes()};
    if (file.View().FindSection(entry.listName))
        return AppendOutcome::ListExists;
    const std::size_t appendedAt = file.Bytes().size();
    WriteEntry(file, entry);
    if (!ReadsBack(file.View(), appendedAt, entry))
        return AppendOutcome::NotReadBack;
    return store.Replace(path, file.Bytes()) ? AppendOutcome::Appended
                                             : AppendOutcome::ReplaceFailed;
}

}  // namespace pivlon
