#pragma once

#include <string>
#include <string_view>

namespace pivlon::standins {

// What the sender stand-in received and shows, written for tests to read:
// <prefix>.mail holds the mail file's bytes as read, <prefix>.cmdline the raw
// command line and <prefix>.signature the selected signature entry, both
// UTF-8. Each file is replaced whole, so a reader never sees half of one.
// With an empty prefix nothing is recorded.
class SenderCapture {
  public:
    explicit SenderCapture(std::wstring prefix);

    bool RecordMail(const std::string& bytes) const;
    bool RecordCommandLine(std::wstring_view commandLine) const;
    bool RecordSignature(std::wstring_view entry) const;

  private:
    bool Record(const wchar_t* suffix, const std::string& bytes) const;

    std::wstring prefix_;
};

}  // namespace pivlon::standins
