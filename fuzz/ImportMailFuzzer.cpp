// Any file given to `pivlon-cli import`: its header block read, the entry proposed,
// and the entry appended to a catalog; the appended list must read back as proposed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "catalog/ListCatalog.h"
#include "fakes/FakeProfileStore.h"
#include "fakes/RecordingMessages.h"
#include "import/CatalogEntry.h"
#include "import/EntryProposal.h"
#include "import/MailHeader.h"
#include "platform/IconvUtf8Converter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pivlon;
    const std::string_view mail(reinterpret_cast<const char*>(data), size);
    const MailReading reading = ReadHeaderBlock(mail);
    fuzz::Check(reading.headers.has_value() != reading.fault.has_value(),
                "a file is a header block or no mail");
    if (!reading.headers)
        return 0;
    static const IconvUtf8Converter utf8;
    const EntryProposal proposal = ProposeEntry(*reading.headers, {}, utf8);
    fuzz::Check(proposal.entry.has_value() == proposal.missing.empty(),
                "an entry exactly when nothing is missing");
    if (!proposal.entry)
        return 0;
    testing::FakeProfileStore store;
    store.files[ListCatalog::kPath] = "[other]\r\nType=1\r\nTo=majordomo@example.org\r\n";
    const AppendOutcome outcome = AppendCatalogEntry(store, ListCatalog::kPath, *proposal.entry);
    fuzz::Check(outcome == AppendOutcome::Appended || outcome == AppendOutcome::NotReadBack ||
                    outcome == AppendOutcome::ListExists,
                "an entry is appended, refused for the file, or clashes with the list there");
    if (outcome != AppendOutcome::Appended)
        return 0;
    testing::RecordingMessages messages;
    const ListCatalog catalog(store, messages);
    int serverType = 0;
    std::string address;
    fuzz::Check(catalog.ReadServerType(proposal.entry->listName, serverType) &&
                    serverType == proposal.entry->serverType &&
                    catalog.ReadCommandAddress(proposal.entry->listName, address) &&
                    address == proposal.entry->commandAddress,
                "the appended list reads back as proposed");
    return 0;
}
