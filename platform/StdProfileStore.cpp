#include "platform/StdProfileStore.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace pivlon {

std::optional<std::string> StdProfileStore::Read(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::status(path, error).type();
    if (type == std::filesystem::file_type::not_found)
        return std::string();
    if (type != std::filesystem::file_type::regular)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // In blocks, not byte by byte: the program reads the whole catalog at every call.
    // The size is only a hint, as the file may change while it is read.
    std::string bytes;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error)
        bytes.reserve(static_cast<std::size_t>(size));
    std::array<char, 1 << 16> block;
    while (in.read(block.data(), block.size()) || in.gcount() > 0)
        bytes.append(block.data(), static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return std::nullopt;
    return bytes;
}

// The new content goes to a file beside the old one, which it then replaces
// in one rename: a crash or a full disk leaves either file whole, never a torn one.
bool StdProfileStore::Replace(const std::string& path, const std::string& bytes) {
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
