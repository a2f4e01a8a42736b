#pragma once

#include <string>

#include "catalog/ListCatalog.h"
#include "fakes/FakeProfileStore.h"
#include "fakes/RecordingMessages.h"

namespace pivlon::testing {

// A real list catalog over catalog bytes held in memory, recording its messages.
class TestCatalog {
  public:
    explicit TestCatalog(const std::string& bytes) { store.files["Pivlon.dat"] = bytes; }

    FakeProfileStore store;
    RecordingMessages messages;
    ListCatalog catalog{store, messages};
};

}  // namespace pivlon::testing
