#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pivlon {

class ProfileView;

// Where the sections of a profile file begin, found in one pass over its bytes, so
// that a read goes straight to its section instead of scanning the file from the top.
class SectionIndex {
  public:
    explicit SectionIndex(const ProfileView& file);

    // The names as ProfileView::SectionNames gives them.
    const std::vector<std::string>& Names() const { return names_; }
    // The start of the first header of this name, compared as the profile service
    // compares names; npos when there is none.
    std::size_t FindHeader(std::string_view section) const;

  private:
    std::vector<std::string> names_;
    std::unordered_map<std::string, std::size_t> firstHeaders_;  // by folded name
};

}  // namespace pivlon
