#include "platform/XdgUriOpener.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cstring>

extern char** environ;

namespace pivlon {

bool XdgUriOpener::Open(const std::string& uri, std::string& failure) {
    // The URI goes as one argument, never through a shell.
    std::string program = "xdg-open";
    std::string argument = uri;
    char* arguments[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    const int error = posix_spawnp(&child, program.c_str(), nullptr, nullptr, arguments, environ);
    if (error != 0) {
        failure = "xdg-open could not be started: " + std::string(std::strerror(error));
        return false;
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) {
        failure = "xdg-open could not be waited for";
        return false;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        failure = WIFEXITED(status)
                      ? "xdg-open ended with status " + std::to_string(WEXITSTATUS(status))
                      : "xdg-open was ended by a signal";
        return false;
    }
    return true;
}

}  // namespace pivlon
