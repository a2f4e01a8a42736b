#pragma once

#include <optional>
#include <string>

#include "platform/System.h"

namespace pivlon::win32 {

// A file handle opened for writing. Destroying an unclosed file closes its handle, so a
// file whose writing failed can still be deleted.
class Win32OutputFile : public OutputFile {
  public:
    // `fullPath` names the file in the reports of failed writes and closes.
    Win32OutputFile(void* handle, std::string fullPath);
    ~Win32OutputFile() override;
    Win32OutputFile(const Win32OutputFile&) = delete;
    Win32OutputFile& operator=(const Win32OutputFile&) = delete;

    std::optional<FileError> Write(const std::string& bytes) override;
    std::optional<FileError> Close() override;

  private:
    void* handle_;
    std::string fullPath_;
};

}  // namespace pivlon::win32
