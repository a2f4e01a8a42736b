#pragma once

#include "platform/UriOpener.h"

namespace pivlon::win32 {

// Hands the URI to the program registered for its scheme, through ShellExecuteW.
class Win32UriOpener : public UriOpener {
  public:
    bool Open(const std::string& uri, std::string& failure) override;
};

}  // namespace pivlon::win32
