#include "Cp932.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace mkvecfont {

namespace {

iconv_t OpenConverter(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    return cd;
}

} // namespace

Cp932::Cp932()
    : toUnicode_(OpenConverter("UTF-32LE", "CP932")), fromUtf8_(OpenConverter("CP932", "UTF-8")) {}

Cp932::~Cp932() {
    iconv_close(toUnicode_);
    iconv_close(fromUtf8_);
}

std::optional<char32_t> Cp932::Decode(std::uint16_t code) const {
    std::array<char, 2> in{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    std::array<unsigned char, 8> out{};
    char* inPtr = in.data();
    auto* outPtr = reinterpret_cast<char*>(out.data());
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    iconv(toUnicode_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(toUnicode_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0 || out.size() - outLeft != 4) {
        return std::nullopt;
    }
    return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
}

std::string Cp932::Encode(std::string_view utf8) const {
    std::vector<char> in(utf8.begin(), utf8.end());
    std::string out(utf8.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    iconv(fromUtf8_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(fromUtf8_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        throw std::runtime_error("text has characters that code page 932 cannot hold");
    }
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace mkvecfont
