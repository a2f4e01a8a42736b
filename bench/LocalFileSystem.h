#pragma once

#include <cstddef>
#include <string>

#include "platform/System.h"

namespace pivlon::bench {

// The system seam over real files in one folder, for measuring a send up to the
// sender's start and a dump with their files really written. Every window looked for
// is there, every program "starts" without anything being run, and nobody waits.
class LocalFileSystem : public System {
  public:
    // `directory` ends in a path separator; the mail files are made there.
    explicit LocalFileSystem(std::string directory) : directory_(std::move(directory)) {}

    WindowRef FindTopLevelWindow(const std::string& className) override;
    bool SelectComboString(WindowRef window, int controlId, const std::string& text) override;
    std::optional<std::string> TemporaryDirectory() override;
    std::variant<std::string, FileError> CreateUniqueFile(const std::string& directory,
                                                          const std::string& prefix) override;
    std::variant<std::unique_ptr<OutputFile>, FileError> CreateOutputFile(
        const std::string& path) override;
    std::optional<FileError> RemoveFile(const std::string& path) override;
    std::unique_ptr<Process> StartProcess(const std::string& program,
                                          const std::string& commandLine) override;
    void Sleep(unsigned milliseconds) override;

    // Bytes written into files since the start: proof that the files were really written.
    std::size_t BytesWritten() const { return bytesWritten_; }

  private:
    std::string directory_;
    std::size_t bytesWritten_ = 0;
    unsigned nextNumber_ = 0;
};

}  // namespace pivlon::bench
