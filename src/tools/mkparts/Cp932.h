#pragma once

#include <string_view>

namespace mkparts {

// Whether UTF-8 text converts to Shift-JIS (code page 932) without loss; the program and the
// files it exchanges store part names that way.
bool RepresentableInCp932(std::string_view utf8);

} // namespace mkparts
