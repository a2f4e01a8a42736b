#include "cli/ServersCommand.h"

#include "cli/OperationNames.h"
#include "command/ServerWarnings.h"
#include "tables/ServerFamilies.h"

namespace pivlon::cli {

std::string ServersTable() {
    std::string table;
    for (const ServerWarning& warning : ServerWarnings()) {
        table += std::string(FindServerFamily(warning.serverType)->name) + " " +
                 std::string(NameOf(warning.operation)) + ": " + std::string(warning.condition) +
                 "\n  the server: " + std::string(warning.serverDoes) +
                 "\n  instead:    " + std::string(warning.doInstead) + "\n";
    }
    return table;
}

}  // namespace pivlon::cli
