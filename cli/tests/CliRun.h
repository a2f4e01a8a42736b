#pragma once

#include <string>
#include <vector>

#include "cli/PivlonCli.h"
#include "platform/IconvUtf8Converter.h"
#include "platform/ProfileStore.h"
#include "platform/Terminal.h"
#include "platform/UriOpener.h"

namespace pivlon::cli::testing {

// What one run of pivlon-cli printed, texts and bytes as they reached the terminal.
struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

class RecordingTerminal : public Terminal {
  public:
    bool WriteText(OutputStream stream, std::string_view utf8) override {
        (stream == OutputStream::standardOutput ? out : err) += utf8;
        return true;
    }
    void WriteBytes(std::string_view bytes) override { out += bytes; }

    std::string out;
    std::string err;
};

class RefusingOpener : public UriOpener {
  public:
    bool Open(const std::string&, std::string& failure) override {
        failure = "no desktop here";
        return false;
    }
};

inline CliRun RunCli(ProfileStore& store, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "pivlon-cli");
    const IconvUtf8Converter converter;
    RefusingOpener opener;
    RecordingTerminal terminal;
    const int status = RunPivlonCli(arguments, {store, converter, opener, terminal});
    return {status, terminal.out, terminal.err};
}

}  // namespace pivlon::cli::testing
