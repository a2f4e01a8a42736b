#pragma once

#include "platform/ProfileStore.h"
#include "platform/Terminal.h"
#include "platform/UriOpener.h"
#include "platform/Utf8Converter.h"

namespace pivlon::cli {

// What pivlon-cli asks of the operating system.
struct CliPlatform {
    ProfileStore& store;
    const Utf8Converter& converter;
    UriOpener& opener;
    Terminal& terminal;
};

}  // namespace pivlon::cli
