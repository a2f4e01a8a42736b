#pragma once

#include <optional>
#include <string>

#include "catalog/ListCatalog.h"
#include "cli/CliPlatform.h"
#include "platform/Message.h"

namespace pivlon::cli {

// Catalog errors are told by the command line itself, naming the key, so the
// window program's message is only counted.
class CountingMessages : public MessageSink {
  public:
    void ShowMessage(const Message&) override { ++shown_; }
    int Shown() const { return shown_; }

  private:
    int shown_ = 0;
};

// Makes `folder` the current folder, where the catalog and settings are read.
void EnterFolder(const std::string& folderUtf8);

// Ends the subcommand unless Pivlon.dat is there and can be read.
void RequireCatalog(ProfileStore& store);

// The catalog's own spelling of the list named on the command line (names are
// compared as the catalog compares them); ends the subcommand with the list of
// names for one it does not hold.
std::string FindList(const ListCatalog& catalog, const Utf8Converter& converter,
                     const std::string& nameUtf8);

// "list NAME: the catalog key KEY ...", for a key the window program reports as faulty.
std::string FaultyKeyMessage(const std::string& listUtf8, std::string_view key);

// The family names and their `Type` values, as "1 Majordomo, 2 FML, 3 CML".
std::string FamilyTypes();

}  // namespace pivlon::cli
