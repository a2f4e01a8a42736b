// Fuzzed catalogs and request fields through every operation of ComposeCommand and
// through ComposeOperation called directly, as the test dump calls it: nothing
// may crash, a mail that was composed starts with its "TO: " and "Subject: " lines, a
// failure leaves the mail text as it was or a lone line feed, and no call shows more
// than one message.
// Input: listName 0xFF commandAddress 0xFF mailAddress 0xFF newAddress 0xFF password
// 0xFF parameter 0xFF mailNumbers 0xFF numbers 0xFF catalog bytes, where numbers holds
// the member number (4 bytes, little-endian), specifyAddress and the server type for the
// direct calls (a signed byte each).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzFields.h"
#include "catalog/ListCatalog.h"
#include "command/ComposeCommand.h"
#include "fakes/FakeProfileStore.h"
#include "fakes/RecordingMessages.h"
#include "tables/Operations.h"
#include "tables/ServerFamilies.h"

namespace pivlon::fuzz {
namespace {

enum Field {
    kListName,
    kCommandAddress,
    kMailAddress,
    kNewAddress,
    kPassword,
    kParameter,
    kMailNumbers,
    kNumbers,
    kCatalog,
    kFieldCount
};

constexpr std::size_t kMostLists = 2;
constexpr std::size_t kLongestCommandAddress = 127;

int SignedByteAt(std::string_view bytes, std::size_t index) {
    return index < bytes.size() ? static_cast<signed char>(bytes[index]) : 0;
}

std::uint32_t MemberNumberIn(std::string_view numbers) {
    std::uint32_t number = 0;
    for (std::size_t index = 0; index < 4 && index < numbers.size(); ++index)
        number |= std::uint32_t{static_cast<unsigned char>(numbers[index])} << (8 * index);
    return number;
}

CommandRequest RequestFrom(const std::vector<std::string_view>& fields) {
    CommandRequest request;
    request.listName = fields[kListName];
    request.commandAddress = fields[kCommandAddress];
    request.mailAddress = fields[kMailAddress];
    request.newAddress = fields[kNewAddress];
    request.password = fields[kPassword];
    request.parameter = fields[kParameter];
    request.mailNumbers = fields[kMailNumbers];
    request.memberNumber = MemberNumberIn(fields[kNumbers]);
    request.specifyAddress = SignedByteAt(fields[kNumbers], 4);
    request.serverType = SignedByteAt(fields[kNumbers], 5);
    return request;
}

// One composition: `compose` may change the mail text and show messages.
template <typename Compose>
bool CheckComposition(const CommandRequest& request, std::string& mailText,
                      testing::RecordingMessages& messages, Compose compose) {
    const std::string before = mailText;
    const std::size_t shownBefore = messages.shown.size();
    const bool composed = compose();
    const std::size_t shown = messages.shown.size() - shownBefore;
    if (composed) {
        Check(mailText.starts_with("TO: " + request.commandAddress + "\nSubject: "),
              "a composed mail starts with its TO: and Subject: lines");
        Check(shown == 0, "a composed mail shows no message");
    } else {
        Check(mailText == before || mailText == "\n",
              "a failure leaves the mail text as it was or a lone line feed");
        Check(shown <= 1, "a failure shows at most one message");
    }
    return composed;
}

void ComposeOnce(CommandRequest& request, CommandOperation operation, std::string& mailText,
                 const ListCatalog& catalog, testing::RecordingMessages& messages) {
    const bool composed = CheckComposition(request, mailText, messages, [&] {
        return ComposeCommand(request, operation, mailText, catalog) == ComposeResult::composed;
    });
    if (composed) {
        Check(FindServerFamily(request.serverType) != nullptr,
              "a composed mail has a known server type");
        Check(!request.commandAddress.empty() &&
                  request.commandAddress.size() <= kLongestCommandAddress,
              "a composed mail's command address is read whole or cut to 127 bytes");
    }
}

void ComposeEveryOperation(CommandRequest request, std::string& mailText,
                           const ListCatalog& catalog, testing::RecordingMessages& messages) {
    for (const OperationRow& row : Operations())
        ComposeOnce(request, row.operation, mailText, catalog, messages);
}

void ComposeEachDirectly(const CommandRequest& request, std::string& mailText,
                         const ListCatalog& catalog, testing::RecordingMessages& messages) {
    for (const OperationRow& row : Operations()) {
        CheckComposition(request, mailText, messages, [&] {
            return ComposeOperation(row.operation, request, mailText, catalog) ==
                   ComposeResult::composed;
        });
    }
}

}  // namespace
}  // namespace pivlon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pivlon;
    using namespace pivlon::fuzz;
    const std::vector<std::string_view> fields = FuzzFields(data, size, kFieldCount);
    testing::FakeProfileStore store;
    store.files["Pivlon.dat"] = fields[kCatalog];
    testing::RecordingMessages messages;
    const ListCatalog catalog(store, messages);

    CommandRequest request = RequestFrom(fields);
    std::vector<std::string> lists = catalog.ListNames();
    lists.resize(std::min(lists.size(), kMostLists));
    lists.push_back(request.listName);
    std::string mailText;
    for (const std::string& list : lists) {
        request.listName = list;
        ComposeEveryOperation(request, mailText, catalog, messages);
        ComposeEachDirectly(request, mailText, catalog, messages);
    }
    return 0;
}
