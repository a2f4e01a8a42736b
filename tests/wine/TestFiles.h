#pragma once

#include <optional>
#include <string>

namespace pivlon::testing {

// Whole files as bytes; nullopt when the file cannot be read.
std::optional<std::string> ReadBytes(const std::wstring& path);
bool WriteBytes(const std::wstring& path, const std::string& bytes);

}  // namespace pivlon::testing
