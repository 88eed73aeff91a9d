#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one converter between the model's code page 932 byte strings and UTF-8 (text shown in
// widgets, typed by the user, printed by the tools, file names on Linux).
namespace cp932 {

// Converts UTF-8 to code page 932; empty when any character cannot be represented (or the input
// is not valid UTF-8): such text is refused, never silently shortened.
std::optional<std::string> FromUtf8(std::string_view utf8);

// Converts code page 932 to UTF-8. Bytes that do not form a character become U+FFFD.
std::string ToUtf8(std::string_view bytes);

} // namespace cp932
