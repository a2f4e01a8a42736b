#pragma once

#include <string>

namespace pivlon::win32 {

// Replaces the file's content with these bytes so that a reader sees either the old
// or the new content, never a torn one. False when the platform refuses; the old
// file, if any, is then left as it was.
bool ReplaceFileContent(const std::wstring& path, const std::string& bytes);

}  // namespace pivlon::win32
