#pragma once

#include <string>

#include "platform/Message.h"

namespace pivlon::win32 {

// The cause of the file-error report that fits a Windows error code.
FileErrorCause FileErrorCauseOf(unsigned long errorCode);

// The report of the error the calling thread met last.
FileError LastFileError(std::string fileName);

}  // namespace pivlon::win32
