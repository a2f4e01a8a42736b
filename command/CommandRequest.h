#pragma once

#include <cstdint>
#include <string>

namespace pivlon {

// The list's server family, as the catalog key `Type` gives it; tables/ServerFamilies.h
// holds one row for each. Any other value is kept as read and names no family.
namespace ServerType {
inline constexpr int Majordomo = 1;
inline constexpr int FML = 2;
inline constexpr int CML = 3;
}  // namespace ServerType

// Everything a command mail is made from. Texts are Shift-JIS bytes, used as typed.
struct CommandRequest {
    std::string listName;
    int serverType = 0;
    std::string commandAddress;
    std::string mailAddress;
    int specifyAddress = 0;
    std::string newAddress;
    std::uint32_t memberNumber = 0;
    std::string password;
    std::string parameter = "30mp";
    std::string mailNumbers;
};

}  // namespace pivlon
