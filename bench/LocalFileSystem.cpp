#include "bench/LocalFileSystem.h"

#include <cstdio>
#include <fstream>

namespace pivlon::bench {
namespace {

class LocalOutputFile : public OutputFile {
  public:
    LocalOutputFile(const std::string& path, std::size_t& bytesWritten)
        : path_(path),
          out_(path, std::ios::binary | std::ios::trunc),
          bytesWritten_(bytesWritten) {}
    bool IsOpen() const { return out_.is_open(); }

    std::optional<FileError> Write(const std::string& bytes) override {
        if (out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
            bytesWritten_ += bytes.size();
            return std::nullopt;
        }
        return FileError{FileErrorCause::DiskFull, path_};
    }
    std::optional<FileError> Close() override {
        out_.close();
        if (out_)
            return std::nullopt;
        return FileError{FileErrorCause::Generic, path_};
    }

  private:
    std::string path_;
    std::ofstream out_;
    std::size_t& bytesWritten_;
};

class NoProcess : public Process {
  public:
    void WaitForInputIdle(unsigned) override {}
    bool HasEnded() override { return true; }
};

}  // namespace

WindowRef LocalFileSystem::FindTopLevelWindow(const std::string&) {
    return 1;
}

bool LocalFileSystem::SelectComboString(WindowRef, int, const std::string&) {
    return true;
}

std::optional<std::string> LocalFileSystem::TemporaryDirectory() {
    return directory_;
}

// "x": the file must be new, as the platform's unique names are.
std::variant<std::string, FileError> LocalFileSystem::CreateUniqueFile(const std::string& directory,
                                                                       const std::string& prefix) {
    for (unsigned attempt = 0; attempt <= 0xFFFFu; ++attempt) {
        char name[16];
        std::snprintf(name, sizeof name, "%04X.tmp", ++nextNumber_ & 0xFFFFu);
        const std::string path = directory + prefix + name;
        if (std::FILE* file = std::fopen(path.c_str(), "wx")) {
            std::fclose(file);
            return path;
        }
    }
    return FileError{FileErrorCause::DirectoryFull, directory};
}

std::variant<std::unique_ptr<OutputFile>, FileError> LocalFileSystem::CreateOutputFile(
    const std::string& path) {
    auto file = std::make_unique<LocalOutputFile>(path, bytesWritten_);
    if (!file->IsOpen())
        return FileError{FileErrorCause::AccessDenied, path};
    return file;
}

std::optional<FileError> LocalFileSystem::RemoveFile(const std::string& path) {
    if (std::remove(path.c_str()) == 0)
        return std::nullopt;
    return FileError{FileErrorCause::FileNotFound, ""};
}

std::unique_ptr<Process> LocalFileSystem::StartProcess(const std::string&, const std::string&) {
    return std::make_unique<NoProcess>();
}

void LocalFileSystem::Sleep(unsigned) {}

}  // namespace pivlon::bench
