#pragma once

#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "platform/System.h"

namespace pivlon::testing {

// The operating system in memory. Every call is logged in order, files keep their bytes
// (also after deletion), and each operation can be made to fail.
class FakeSystem : public System {
  public:
    struct Window {
        WindowRef ref = 0;
        int searchesBeforeShown = 0;  // searches for its class that find nothing first
        std::set<int> controls;
    };
    struct Started {
        std::string program;
        std::string commandLine;
    };
    struct ComboSelection {
        WindowRef window;
        int controlId;
        std::string text;
        friend bool operator==(const ComboSelection&, const ComboSelection&) = default;
    };

    // --- Setting up ---
    WindowRef OpenWindow(const std::string& className, int searchesBeforeShown = 0,
                         std::set<int> controls = {}) {
        windows[className] = {nextWindow++, searchesBeforeShown, std::move(controls)};
        return windows[className].ref;
    }

    std::optional<std::string> temporaryDirectory = "C:\\TEMP\\";
    std::optional<FileError> uniqueFileError;
    std::optional<FileError> openError;
    std::optional<FileError> writeError;
    int writesBeforeError = 0;  // successful writes before writeError strikes
    std::optional<FileError> closeError;
    std::optional<FileError> deleteError;
    bool startFails = false;
    std::optional<int> processEndsAfterChecks;  // HasEnded answers false this many times

    // --- What happened ---
    std::vector<std::string> calls;
    std::map<std::string, std::string> files;  // present now
    std::map<std::string, std::string> deletedFiles;
    std::set<std::string> openFiles;
    std::vector<Started> started;
    std::vector<ComboSelection> selections;
    std::vector<unsigned> sleeps;
    std::map<std::string, int> searches;  // by window class
    int liveProcesses = 0;

    // --- System ---
    WindowRef FindTopLevelWindow(const std::string& className) override {
        calls.push_back("FindTopLevelWindow " + className);
        const int earlier = searches[className]++;
        auto found = windows.find(className);
        if (found == windows.end() || earlier < found->second.searchesBeforeShown)
            return 0;
        return found->second.ref;
    }

    bool SelectComboString(WindowRef window, int controlId, const std::string& text) override {
        calls.push_back("SelectComboString " + std::to_string(controlId));
        for (const auto& [className, shown] : windows) {
            if (shown.ref == window && shown.controls.contains(controlId)) {
                selections.push_back({window, controlId, text});
                return true;
            }
        }
        return false;
    }

    std::optional<std::string> TemporaryDirectory() override {
        calls.push_back("TemporaryDirectory");
        return temporaryDirectory;
    }

    std::variant<std::string, FileError> CreateUniqueFile(const std::string& directory,
                                                          const std::string& prefix) override {
        calls.push_back("CreateUniqueFile " + prefix);
        if (uniqueFileError)
            return *uniqueFileError;
        char number[8];
        std::snprintf(number, sizeof number, "%04X", ++uniqueNumber);
        const std::string path = directory + prefix + number + ".tmp";
        files[path] = "";
        return path;
    }

    std::variant<std::unique_ptr<OutputFile>, FileError> CreateOutputFile(
        const std::string& path) override {
        calls.push_back("CreateOutputFile " + path);
        if (openError)
            return *openError;
        files[path] = "";
        openFiles.insert(path);
        return std::make_unique<File>(*this, path);
    }

    std::optional<FileError> RemoveFile(const std::string& path) override {
        calls.push_back("RemoveFile " + path);
        if (deleteError)
            return deleteError;
        // As on Windows: a file open without sharing cannot be removed.
        if (openFiles.contains(path))
            return FileError{FileErrorCause::SharingViolation, ""};
        auto found = files.find(path);
        if (found == files.end())
            return FileError{FileErrorCause::FileNotFound, ""};
        deletedFiles[path] = found->second;
        files.erase(found);
        return std::nullopt;
    }

    std::unique_ptr<Process> StartProcess(const std::string& program,
                                          const std::string& commandLine) override {
        calls.push_back("StartProcess " + commandLine);
        if (startFails)
            return nullptr;
        started.push_back({program, commandLine});
        return std::make_unique<FakeProcess>(*this);
    }

    void Sleep(unsigned milliseconds) override {
        calls.push_back("Sleep " + std::to_string(milliseconds));
        sleeps.push_back(milliseconds);
    }

  private:
    class File : public OutputFile {
      public:
        File(FakeSystem& system, std::string path) : system_(system), path_(std::move(path)) {}
        ~File() override { system_.openFiles.erase(path_); }

        std::optional<FileError> Write(const std::string& bytes) override {
            system_.calls.push_back("Write");
            if (system_.writeError && system_.writesBeforeError-- == 0)
                return system_.writeError;
            system_.files[path_] += bytes;
            return std::nullopt;
        }
        std::optional<FileError> Close() override {
            system_.calls.push_back("Close");
            system_.openFiles.erase(path_);
            return system_.closeError;
        }

      private:
        FakeSystem& system_;
        std::string path_;
    };

    class FakeProcess : public Process {
      public:
        explicit FakeProcess(FakeSystem& system) : system_(system) { ++system_.liveProcesses; }
        ~FakeProcess() override {
            system_.calls.push_back("CloseProcess");
            --system_.liveProcesses;
        }

        void WaitForInputIdle(unsigned milliseconds) override {
            system_.calls.push_back("WaitForInputIdle " + std::to_string(milliseconds));
        }
        bool HasEnded() override {
            auto& remaining = system_.processEndsAfterChecks;
            return remaining && (*remaining)-- <= 0;
        }

      private:
        FakeSystem& system_;
    };

    std::map<std::string, Window> windows;
    WindowRef nextWindow = 0x100;
    unsigned uniqueNumber = 0x1A2A;
};

}  // namespace pivlon::testing
