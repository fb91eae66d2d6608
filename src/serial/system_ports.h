#pragma once

#include <vector>

#include "serial/port_directory.h"

namespace morvek::serial {

// The serial devices the system offers now, USB adapters and ACM devices marked.
std::vector<SystemPort> EnumerateSystemPorts();

// A directory with the system's devices and the given "N=PATH" bindings. Returns false (and
// leaves the bad binding in bad_binding) when a binding cannot be parsed.
bool BuildPortDirectory(const std::vector<std::string>& bindings, PortDirectory& directory,
                        std::string* bad_binding = nullptr);

}  // namespace morvek::serial
