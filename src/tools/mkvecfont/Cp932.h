#pragma once

#include <iconv.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mkvecfont {

// Code page 932 conversions through glibc's iconv. Only the "CP932" converter knows the
// vendor rows (NEC symbols, IBM kanji); the plain Shift_JIS ones reject them.
class Cp932 {
public:
    Cp932();
    ~Cp932();
    Cp932(const Cp932&) = delete;
    Cp932& operator=(const Cp932&) = delete;

    // The Unicode character of a double-byte code, or nothing if the code is unassigned.
    std::optional<char32_t> Decode(std::uint16_t code) const;

    // UTF-8 to code page 932 bytes; throws std::runtime_error on characters it cannot hold.
    std::string Encode(std::string_view utf8) const;

private:
    iconv_t toUnicode_;
    iconv_t fromUtf8_;
};

} // namespace mkvecfont
