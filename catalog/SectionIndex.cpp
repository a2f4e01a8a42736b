#include "catalog/SectionIndex.h"

#include "catalog/ProfileView.h"
#include "catalog/ShiftJis.h"

namespace pivlon {

// The empty name is indexed too: it reads a "[]" section, though it is never listed.
SectionIndex::SectionIndex(const ProfileView& file) {
    for (auto header = file.NextSection(0); header; header = file.NextSection(header->next)) {
        if (!header->name.empty())
            names_.emplace_back(header->name);
        firstHeaders_.try_emplace(sjis::FoldAsciiCase(header->name), header->start);
    }
}

std::size_t SectionIndex::FindHeader(std::string_view section) const {
    const auto found = firstHeaders_.find(sjis::FoldAsciiCase(section));
    return found == firstHeaders_.end() ? std::string_view::npos : found->second;
}

}  // namespace pivlon
