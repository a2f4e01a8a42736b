#include "catalog/ListCatalog.h"

#include "catalog/ProfileImage.h"
#include "tables/ServerFamilies.h"

namespace pivlon {
namespace {

std::shared_ptr<const ProfileImage> ReadCatalog(ProfileStore& store) {
    return ProfileImage::Load(store, ListCatalog::kPath);
}

}  // namespace

ListCatalog::ListCatalog(ProfileStore& store, MessageSink& messages)
    : store_(store), messages_(messages) {}

std::vector<std::string> ListCatalog::ListNames() const {
    return ReadCatalog(store_)->SectionNames();
}

// The description ends at the first missing or empty line; each line keeps its
// line break so that a multi-line box shows the text as it stands.
std::string ListCatalog::ReadDescription(const std::string& listName) const {
    const std::shared_ptr<const ProfileImage> catalog = ReadCatalog(store_);
    std::string description;
    for (int n = 1;; ++n) {
        const std::string line =
            catalog->ReadString(listName, "Info" + std::to_string(n), kValueBufferSize);
        if (line.empty())
            return description;
        description += line;
        description += "\r\n";
    }
}

// The number read stays in serverType even when it names no family.
bool ListCatalog::ReadServerType(const std::string& listName, int& serverType) const {
    serverType = static_cast<int>(ReadCatalog(store_)->ReadInt(listName, "Type", 0));
    if (FindServerFamily(serverType) != nullptr)
        return true;
    messages_.ShowMessage(Message::Of(MessageId::CatalogError));
    return false;
}

bool ListCatalog::ReadCommandAddress(const std::string& listName,
                                     std::string& commandAddress) const {
    return ReadRequiredValue(listName, "To", commandAddress);
}

bool ListCatalog::ReadDigestList(const std::string& listName, std::string& digestListName) const {
    return ReadRequiredValue(listName, "dijest", digestListName);
}

bool ListCatalog::ReadRequiredValue(const std::string& listName, const std::string& key,
                                    std::string& value) const {
    value = ReadCatalog(store_)->ReadString(listName, key, kValueBufferSize);
    if (!value.empty())
        return true;
    messages_.ShowMessage(Message::Of(MessageId::CatalogError));
    return false;
}

}  // namespace pivlon
