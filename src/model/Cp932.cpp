#include "Cp932.h"

#include <cerrno>
#include <iconv.h>

namespace cp932 {
namespace {

// Code page 932 proper: glibc's "SHIFT_JIS" lacks the extension rows and reads 0x5C as a yen.
constexpr const char* kCodePage = "CP932";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

class Converter {
public:
    Converter(const char* to, const char* from) : m_handle(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid()) {
            iconv_close(m_handle);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as possible; returns false at the first byte that cannot be converted,
    // leaving input pointing at it.
    bool Convert(std::string_view& input, std::string& output) {
        char buffer[256];
        while (!input.empty()) {
            char* in = const_cast<char*>(input.data());
            std::size_t inLeft = input.size();
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(m_handle, &in, &inLeft, &out, &outLeft);
            output.append(buffer, sizeof buffer - outLeft);
            input.remove_prefix(input.size() - inLeft);
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
                return false;
            }
        }
        return true;
    }

private:
    iconv_t m_handle;
};

} // namespace

std::optional<std::string> FromUtf8(std::string_view utf8) {
    Converter converter(kCodePage, "UTF-8");
    std::string result;
    if (!converter.Valid() || !converter.Convert(utf8, result)) {
        return std::nullopt;
    }
    return result;
}

std::string ToUtf8(std::string_view bytes) {
    Converter converter("UTF-8", kCodePage);
    std::string result;
    if (!converter.Valid()) {
        return result;
    }
    while (!converter.Convert(bytes, result)) {
        result += kReplacement;
        bytes.remove_prefix(1);
    }
    return result;
}

} // namespace cp932
