#pragma once

#include <optional>
#include <string>

namespace pivlon::cli {

// What `compose` and `open` were given, in UTF-8 as typed. Member data left out
// come from Pivlon.ini.
struct MailOptions {
    std::string list;
    std::string operation;
    std::optional<std::string> address;
    bool specifyAddress = false;
    std::optional<std::string> newAddress;
    std::optional<std::string> memberNumber;
    std::optional<std::string> password;
    std::string parameter = "30mp";
    std::string numbers;
    std::string format = "text";
};

}  // namespace pivlon::cli
