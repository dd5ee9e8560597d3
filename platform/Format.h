#pragma once
// printf-style formatting into a string, for the program's GBK format texts.
#include <string>

namespace platform {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace platform
