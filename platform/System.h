#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "platform/Message.h"

namespace pivlon {

// A file opened for writing, binary: the core hands over the exact bytes.
class OutputFile {
  public:
    virtual ~OutputFile() = default;
    // Each returns the error that ended the operation, or nullopt on success.
    virtual std::optional<FileError> Write(const std::string& bytes) = 0;
    virtual std::optional<FileError> Close() = 0;
};

// A started process. Destroying it closes the thread handle, then the process handle.
class Process {
  public:
    virtual ~Process() = default;
    virtual void WaitForInputIdle(unsigned milliseconds) = 0;
    virtual bool HasEnded() = 0;
};

using WindowRef = std::uintptr_t;  // 0: no window

// Everything else the core asks of the operating system. Paths and texts are Shift-JIS.
class System {
  public:
    virtual ~System() = default;

    // A top-level window of this class, or 0.
    virtual WindowRef FindTopLevelWindow(const std::string& className) = 0;
    // Sends CB_SELECTSTRING (start index -1) to the child control `controlId` of `window`.
    // False when the window has no such child.
    virtual bool SelectComboString(WindowRef window, int controlId, const std::string& text) = 0;

    // The temporary directory, ending in a path separator; nullopt when there is none.
    virtual std::optional<std::string> TemporaryDirectory() = 0;
    // Creates a new empty file with a unique name and returns its full path.
    virtual std::variant<std::string, FileError> CreateUniqueFile(const std::string& directory,
                                                                  const std::string& prefix) = 0;
    // Creates the file anew (truncating it), for writing only, with no sharing.
    virtual std::variant<std::unique_ptr<OutputFile>, FileError> CreateOutputFile(
        const std::string& path) = 0;
    virtual std::optional<FileError> RemoveFile(const std::string& path) = 0;

    // Starts a program. `program` names the file to start (empty: the system
    // searches for the first word of the command line); `commandLine` is what
    // the program receives. nullptr when it could not be started.
    virtual std::unique_ptr<Process> StartProcess(const std::string& program,
                                                  const std::string& commandLine) = 0;

    virtual void Sleep(unsigned milliseconds) = 0;
};

}  // namespace pivlon
