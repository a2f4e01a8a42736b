#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace pivlon::testing {

// Whole files as bytes; nullopt when the file cannot be read.
std::optional<std::string> ReadBytes(const std::filesystem::path& path);
bool WriteBytes(const std::filesystem::path& path, const std::string& bytes);
bool FileExists(const std::filesystem::path& path);

}  // namespace pivlon::testing
