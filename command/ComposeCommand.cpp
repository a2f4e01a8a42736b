#include "command/ComposeCommand.h"

#include <array>
#include <span>

#include "command/Composers.h"

namespace pivlon {
namespace {

// A tab page: the option field that counts while it is shown, and the
// composer of each of its option values.
struct CommandPage {
    int CommandRequest::*option;
    std::span<const Composer> composers;
};

constexpr std::array<Composer, 5> kJoinLeaveComposers = {
    ComposeJoin, ComposeLeave, ComposePause, ComposeResume, ComposeChangeAddress,
};
constexpr std::array<Composer, 2> kDigestComposers = {ComposeDigestJoin, ComposeDigestLeave};
constexpr std::array<Composer, 3> kOtherComposers = {ComposeHelp, ComposeIndex, ComposeGet};

constexpr std::array<CommandPage, 3> kPages = {{
    {&CommandRequest::joinLeaveOption, kJoinLeaveComposers},
    {&CommandRequest::digestOption, kDigestComposers},
    {&CommandRequest::otherOption, kOtherComposers},
}};

// The options of the pages not shown keep their values, so only the shown page's option counts.
Composer FindComposer(const CommandRequest& request) {
    if (request.tabIndex < 0 || static_cast<std::size_t>(request.tabIndex) >= kPages.size()) {
        return nullptr;
    }
    const CommandPage& page = kPages[request.tabIndex];
    const int option = request.*page.option;
    if (option < 0 || static_cast<std::size_t>(option) >= page.composers.size())
        return nullptr;
    return page.composers[option];
}

}  // namespace

bool ComposeCommand(CommandRequest& request, std::string& mailText, const ListCatalog& catalog) {
    // Read afresh at every send, so that an edited catalog counts without a restart.
    if (!catalog.ReadServerType(request.listName, request.serverType))
        return false;
    if (!catalog.ReadCommandAddress(request.listName, request.commandAddress))
        return false;
    const Composer composer = FindComposer(request);
    return composer != nullptr && composer(request, mailText, catalog);
}

}  // namespace pivlon
