#pragma once

#include "platform/System.h"

namespace pivlon::win32 {

// The system seam over the W functions; every path and text crosses it as Shift-JIS.
class Win32System : public System {
  public:
    WindowRef FindTopLevelWindow(const std::string& className) override;
    bool SelectComboString(WindowRef window, int controlId, const std::string& text) override;

    std::optional<std::string> TemporaryDirectory() override;
    std::variant<std::string, FileError> CreateUniqueFile(const std::string& directory,
                                                          const std::string& prefix) override;
    std::variant<std::unique_ptr<OutputFile>, FileError> CreateOutputFile(
        const std::string& path) override;
    // The report of a refused deletion names no file.
    std::optional<FileError> RemoveFile(const std::string& path) override;

    // A named program is looked for as the command line's first word would be (the
    // program's folder, the current folder, the system folders, PATH, ".exe" added when
    // the name has no extension), but as one name, blanks included.
    std::unique_ptr<Process> StartProcess(const std::string& program,
                                          const std::string& commandLine) override;

    void Sleep(unsigned milliseconds) override;
};

}  // namespace pivlon::win32
