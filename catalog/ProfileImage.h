#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/ProfileView.h"
#include "catalog/SectionIndex.h"
#include "platform/ProfileStore.h"

namespace pivlon {

// A profile file as it was read: its bytes and where its sections begin. It never
// changes once made; the store hands it out shared, so it stays valid for as long as
// anyone holds it, whatever the store reads or writes in the meantime.
class ProfileImage {
  public:
    explicit ProfileImage(std::string bytes);
    // The file as the store has it; a missing or unreadable file reads as an empty one.
    static std::shared_ptr<const ProfileImage> Load(ProfileStore& store, const std::string& path);

    const std::string& Bytes() const { return bytes_; }
    // Reads by the rules of ProfileView.
    std::vector<std::string> SectionNames() const { return View().SectionNames(); }
    std::string ReadString(std::string_view section, std::string_view key,
                           std::size_t bufferSize) const {
        return View().ReadString(section, key, bufferSize);
    }
    std::uint32_t ReadInt(std::string_view section, std::string_view key,
                          std::uint32_t defaultValue) const {
        return View().ReadInt(section, key, defaultValue);
    }

  private:
    ProfileView View() const { return ProfileView(bytes_, sections_); }

    std::string bytes_;
    SectionIndex sections_;  // of bytes_
};

}  // namespace pivlon
