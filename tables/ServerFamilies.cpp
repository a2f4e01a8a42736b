#include "tables/ServerFamilies.h"

#include <algorithm>
#include <array>

#include "command/CommandRequest.h"

namespace pivlon {
namespace {

using enum CommandOperation;

constexpr std::array kAllOperations{Join,       Leave,       Pause, Resume, ChangeAddress,
                                    DigestJoin, DigestLeave, Help,  Index,  Get};
// Majordomo cannot pause and resume delivery.
constexpr std::array kMajordomoOperations{Join,        Leave, ChangeAddress, DigestJoin,
                                          DigestLeave, Help,  Index,         Get};

constexpr auto kFamilies = std::to_array<ServerFamily>({
    {ServerType::Majordomo, "Majordomo", kMajordomoOperations, {}, true},
    {ServerType::FML, "FML", kAllOperations, {.pauseAndResume = true, .digestParameter = true}},
    {ServerType::CML,
     "CML",
     kAllOperations,
     {.pauseAndResume = true, .memberNumberAndPassword = true}},
});

constexpr PageControls kControlsOfNoFamily{.pauseAndResume = true};

}  // namespace

bool ServerFamily::Offers(CommandOperation operation) const {
    return std::ranges::find(offers, operation) != offers.end();
}

std::span<const ServerFamily> ServerFamilies() {
    return kFamilies;
}

const ServerFamily* FindServerFamily(int serverType) {
    const auto found = std::ranges::find(kFamilies, serverType, &ServerFamily::serverType);
    return found == kFamilies.end() ? nullptr : &*found;
}

PageControls PageControlsOf(int serverType) {
    const ServerFamily* family = FindServerFamily(serverType);
    return family ? family->pageControls : kControlsOfNoFamily;
}

}  // namespace pivlon
