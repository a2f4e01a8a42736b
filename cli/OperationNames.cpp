#include "cli/OperationNames.h"

#include <array>
#include <utility>

namespace pivlon::cli {
namespace {

constexpr std::array<std::pair<CommandOperation, std::string_view>, 10> kNames = {{
    {CommandOperation::Join, "join"},
    {CommandOperation::Leave, "leave"},
    {CommandOperation::Pause, "pause"},
    {CommandOperation::Resume, "resume"},
    {CommandOperation::ChangeAddress, "change-address"},
    {CommandOperation::DigestJoin, "digest-join"},
    {CommandOperation::DigestLeave, "digest-leave"},
    {CommandOperation::Help, "help"},
    {CommandOperation::Index, "index"},
    {CommandOperation::Get, "get"},
}};

}  // namespace

std::string_view NameOf(CommandOperation operation) {
    for (const auto& [named, name] : kNames) {
        if (named == operation)
            return name;
    }
    return {};
}

std::optional<CommandOperation> OperationNamed(std::string_view name) {
    for (const auto& [operation, named] : kNames) {
        if (named == name)
            return operation;
    }
    return std::nullopt;
}

std::string AllOperationNames() {
    std::string names;
    for (const auto& entry : kNames) {
        names += (names.empty() ? "" : " ") + std::string(entry.second);
    }
    return names;
}

}  // namespace pivlon::cli
