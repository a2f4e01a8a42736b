#pragma once

#include <optional>
#include <string>
#include <vector>

#include "import/MailHeader.h"

namespace pivlon {

// One fact a header tells, and which header told it.
struct Fact {
    std::string value;   // as the header writes it; texts are decoded by the proposal
    std::string header;  // the field's name as the mail spells it
};

// What the headers of a list's mail tell of the list, family by family.
struct ListEvidence {
    // Every family some header points to, each with the first field that did.
    struct FamilyClaim {
        int serverType;
        Fact field;
    };
    std::vector<FamilyClaim> families;
    // The facts of the family chosen (the one the headers prove, or the one given),
    // as that family's headers write them, and the List-Id where they do not.
    std::optional<Fact> listName;
    std::optional<Fact> commandAddress;
    std::optional<Fact> digestList;  // only where the family's digest is a list of its own
    std::optional<Fact> description;
};

// Reads the evidence for the family `serverType`, or, with none given, for the one
// family the headers prove. With no family or more than one, only the claims and
// the List-Id's facts are filled in.
ListEvidence GatherEvidence(const HeaderBlock& headers, std::optional<int> serverType);

}  // namespace pivlon
