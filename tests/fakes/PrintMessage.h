#pragma once

#include <ostream>

#include "platform/Message.h"

namespace pivlon {

// Lets test failures name the message instead of dumping its bytes.
inline void PrintTo(const Message& message, std::ostream* out) {
    *out << "Message{id " << static_cast<int>(message.id) << ", \"" << message.argument
         << "\", cause " << static_cast<int>(message.cause) << "}";
}

}  // namespace pivlon
