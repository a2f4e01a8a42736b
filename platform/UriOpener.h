#pragma once

#include <string>

namespace pivlon {

// Hands a URI to the desktop's program for it, here a "mailto:" URI to the mail client.
class UriOpener {
  public:
    virtual ~UriOpener() = default;
    // False, with the reason in English, when the desktop did not take it.
    virtual bool Open(const std::string& uri, std::string& failure) = 0;
};

}  // namespace pivlon
