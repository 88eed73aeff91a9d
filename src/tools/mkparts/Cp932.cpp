#include "Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace mkparts {

namespace {

class Converter {
public:
    Converter() : handle_(iconv_open("CP932", "UTF-8")) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("this system's iconv cannot convert to CP932");
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Converts(std::string_view text) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::vector<char> input(text.begin(), text.end());
        std::vector<char> output(text.size() * 2 + 8);
        char* in = input.data();
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        return iconv(handle_, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) &&
               inLeft == 0;
    }

private:
    iconv_t handle_;
};

} // namespace

bool RepresentableInCp932(std::string_view utf8) {
    Converter converter;
    return converter.Converts(utf8);
}

} // namespace mkparts
