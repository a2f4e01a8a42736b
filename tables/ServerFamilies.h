#pragma once

#include <span>
#include <string_view>

#include "command/CommandOperation.h"

namespace pivlon {

// The type-dependent controls of the tab pages that a family's lists show.
struct PageControls {
    bool pauseAndResume = false;
    bool memberNumberAndPassword = false;
    bool digestParameter = false;
};

// What Pivlon knows of one server family, apart from its mails (tables/Operations.h).
struct ServerFamily {
    int serverType;         // the catalog's `Type` that names it
    std::string_view name;  // as the window's type label and the dump show it
    std::span<const CommandOperation> offers;
    PageControls pageControls;
    // A digest that is a list of its own, named by the catalog key `dijest`, is joined and
    // left like any list: the digest operations are sent for that list's name.
    bool digestIsOwnList = false;

    bool Offers(CommandOperation operation) const;
};

std::span<const ServerFamily> ServerFamilies();
// nullptr for a `Type` that names no family.
const ServerFamily* FindServerFamily(int serverType);
// A list whose `Type` names no family shows pause and resume, and nothing else that
// depends on the family.
PageControls PageControlsOf(int serverType);

}  // namespace pivlon
