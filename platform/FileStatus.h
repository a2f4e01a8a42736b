#pragma once

#include <cstdint>

namespace pivlon {

// What one metadata query tells about a file without opening it: enough to prove
// that it is the same file with the same bytes as at an earlier query.
struct FileStamp {
    // Which file the name stands for: the platform's volume and file number, or what
    // stands in for them where the platform offers none without opening the file.
    std::uint64_t volume = 0;
    std::uint64_t file = 0;
    std::uint64_t size = 0;
    std::int64_t lastWrite = 0;   // nanoseconds since 1970
    std::int64_t lastChange = 0;  // of the file's metadata, where the platform tells it
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

struct FileStatus {
    enum class Kind { Missing, Regular, Unreadable };
    Kind kind = Kind::Missing;
    FileStamp stamp;  // for a regular file
};

}  // namespace pivlon
