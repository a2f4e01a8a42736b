#pragma once

#include "platform/UriOpener.h"

namespace pivlon {

// Hands the URI to xdg-open, found on PATH, and waits for it: xdg-open returns
// once the desktop's program has it.
class XdgUriOpener : public UriOpener {
  public:
    bool Open(const std::string& uri, std::string& failure) override;
};

}  // namespace pivlon
