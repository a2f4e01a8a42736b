#include "command/ServerWarnings.h"

#include <array>

namespace pivlon {
namespace {

using When = ServerWarning::When;

constexpr std::array<ServerWarning, 3> kWarnings = {{
    {ServerType::Majordomo, CommandOperation::Get, When::always, "get by mail numbers",
     "Majordomo refuses every \"get N\" line (\"get: which file?\"): it wants \"get LIST FILE\"",
     "send index first and ask for the archive files it names with \"get LIST FILE\""},
    {ServerType::Majordomo, CommandOperation::ChangeAddress, When::withoutSpecifyAddress,
     "change address without --specify-address",
     "both commands act on the sender: Majordomo removes you from the list and asks you to "
     "confirm the same address again",
     "give --specify-address with --address and --new-address"},
    {ServerType::FML, CommandOperation::Join, When::withSpecifyAddress,
     "join with --specify-address",
     "FML's default confirmed registration refuses \"#subscribe ADDRESS\" (it rejects the @); "
     "only lists that register from the body take it",
     "join without --specify-address, from the address to be registered"},
}};

}  // namespace

std::span<const ServerWarning> ServerWarnings() {
    return kWarnings;
}

bool Applies(const ServerWarning& warning, int serverType, CommandOperation operation,
             const CommandRequest& request) {
    if (warning.serverType != serverType || warning.operation != operation)
        return false;
    switch (warning.when) {
        case When::always:
            return true;
        case When::withSpecifyAddress:
            return request.specifyAddress != 0;
        case When::withoutSpecifyAddress:
            return request.specifyAddress == 0;
    }
    return false;
}

}  // namespace pivlon
