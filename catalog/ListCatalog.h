#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/Message.h"
#include "platform/ProfileStore.h"

namespace pivlon {

// Reader of the list catalog "Pivlon.dat". Keeps nothing: every call asks the store,
// which reads the file afresh unless it is provably unchanged.
class ListCatalog {
  public:
    // The catalog's file, relative to the current folder.
    static inline const std::string kPath = "Pivlon.dat";
    // Values are read into buffers of this size, their terminating zero included.
    static constexpr std::size_t kValueBufferSize = 128;

    ListCatalog(ProfileStore& store, MessageSink& messages);

    std::vector<std::string> ListNames() const;
    std::string ReadDescription(const std::string& listName) const;
    // Each shows CatalogError itself and returns false on a faulty entry.
    bool ReadServerType(const std::string& listName, int& serverType) const;
    bool ReadCommandAddress(const std::string& listName, std::string& commandAddress) const;
    bool ReadDigestList(const std::string& listName, std::string& digestListName) const;

  private:
    // Empty or missing: shows CatalogError, leaves value empty and returns false.
    bool ReadRequiredValue(const std::string& listName, const std::string& key,
                           std::string& value) const;

    ProfileStore& store_;
    MessageSink& messages_;
};

}  // namespace pivlon
