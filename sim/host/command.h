// A command as X-Plane keeps it: one record per name for the life of the
// process, so handles survive reset().
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "xplane/sdk.h"

namespace xpsim::detail {

struct Handler {
    uint64_t id;
    XPLMCommandCallback_f callback;
    int before;
    void* refcon;
};

struct Command {
    std::string name;
    std::string description;
    bool present = false;
    // Order of creation, for listing commands as X-Plane's command list does.
    uint64_t created = 0;
    // X-Plane's own processing when a begin phase reaches it.
    void (*effect)(int argument) = nullptr;
    int effectArgument = 0;
    std::vector<Handler> handlers;
    std::array<int, 3> reached{};  // per phase
    int holds = 0;
};

Command& commandRecord(const std::string& name);
// The creation number of a command that becomes present.
uint64_t nextCreationNumber();
// X-Plane's own commands, from the table.
void installSimCommands();

}  // namespace xpsim::detail
