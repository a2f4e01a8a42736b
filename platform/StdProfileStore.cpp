#include "platform/StdProfileStore.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace pivlon {

namespace {

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

}  // namespace

// Only a file that is not there reads as empty; one that is there but cannot be
// read must not pass for empty, or a save would overwrite it. The time of the last
// change of the file's metadata tells a file made unreadable or written with its old
// last-write time set again.
FileStatus StdProfileStore::QueryFile(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return {missing ? FileStatus::Kind::Missing : FileStatus::Kind::Unreadable, {}};
    }
    if (!S_ISREG(info.st_mode))
        return {FileStatus::Kind::Unreadable, {}};
    return {FileStatus::Kind::Regular,
            {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
             static_cast<std::uint64_t>(info.st_size), Nanoseconds(info.st_mtim),
             Nanoseconds(info.st_ctim)}};
}

std::optional<std::string> StdProfileStore::ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return std::nullopt;
    // The size comes from the open file and the bytes in one read.
    const std::streamoff size = in.tellg();
    if (size < 0 || !in.seekg(0))
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), size);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    // Another program may be changing the file's size while it is read.
    if (in)
        bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

// The new content goes to a file beside the old one, which it then replaces
// in one rename: a crash or a full disk leaves either file whole, never a torn one.
bool StdProfileStore::ReplaceWholeFile(const std::string& path, const std::string& bytes) {
    const std::string staging = path + ".new";
    {
        std::ofstream out(staging, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(staging, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(staging, path, error);
    if (error) {
        std::filesystem::remove(staging, error);
        return false;
    }
    return true;
}

}  // namespace pivlon
