#pragma once

#include <cstdint>
#include <string>

namespace pivlon {

// The list's server family, as the catalog key `Type` gives it. Any other
// value is kept as read and counts as none of the three.
namespace ServerType {
inline constexpr int Majordomo = 1;
inline constexpr int FML = 2;
inline constexpr int CML = 3;

// The family's name as the window and the dump show it; nullptr for any other value.
constexpr const char* NameOf(int serverType) {
    switch (serverType) {
        case Majordomo:
            return "Majordomo";
        case FML:
            return "FML";
        case CML:
            return "CML";
        default:
            return nullptr;
    }
}
}  // namespace ServerType

enum class CommandOperation {
    Join,
    Leave,
    Pause,
    Resume,
    ChangeAddress,
    DigestJoin,
    DigestLeave,
    Help,
    Index,
    Get,
};

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
    int tabIndex = 0;
    int joinLeaveOption = 0;
    int digestOption = 0;
    int otherOption = 0;
};

}  // namespace pivlon
