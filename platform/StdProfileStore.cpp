#include "platform/StdProfileStore.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace pivlon {

std::optional<std::string_view> StdProfileStore::Read(const std::string& path) {
    // Only a file that is not there reads as empty; one that is there but cannot
    // be read must not pass for empty, or a save would overwrite it.
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::status(path, error).type();
    if (type == std::filesystem::file_type::not_found)
        return std::string_view();
    if (type != std::filesystem::file_type::regular)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return std::nullopt;
    // The size comes from the open file and the bytes in one read: the program
    // reads the whole catalog at every call.
    const std::streamoff size = in.tellg();
    if (size < 0 || !in.seekg(0))
        return std::nullopt;
    buffer_.resize(static_cast<std::size_t>(size));
    in.read(buffer_.data(), size);
    buffer_.resize(static_cast<std::size_t>(in.gcount()));
    // Another program may be changing the file's size while it is read.
    if (in)
        buffer_.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return std::string_view(buffer_);
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
