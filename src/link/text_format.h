#pragma once

#include <string>

namespace morvek::link {

// printf-style formatting into a std::string (the label texts use C formats such as "%4.1f").
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace morvek::link
