#include "Cp932.h"
#include "FontBuilder.h"
#include "Preview.h"
#include "QvfFormat.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: mkvecfont [--family NAME] [--jobs N] OUTPUT.QVF OUTLINE_FONT\n"
    "       mkvecfont --preview OUT.ppm [--size PIXELS] --text UTF8 [--text UTF8...] FONT.QVF\n";

struct Arguments {
    std::string family = "Noto Sans CJK JP";
    std::string preview;
    int size = 64;
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::string> text;
    std::vector<std::string> files;
};

Arguments Parse(int argc, char** argv) {
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                throw std::invalid_argument(arg + " needs a value");
            }
            return argv[++i];
        };
        if (arg == "--family") {
            args.family = value();
        } else if (arg == "--preview") {
            args.preview = value();
        } else if (arg == "--jobs") {
            args.jobs = static_cast<unsigned>(std::max(1, std::stoi(value())));
        } else if (arg == "--size") {
            args.size = std::stoi(value());
        } else if (arg == "--text") {
            args.text.push_back(value());
        } else if (arg.starts_with("--")) {
            throw std::invalid_argument("unknown option " + arg);
        } else {
            args.files.push_back(arg);
        }
    }
    const bool previewing = !args.preview.empty();
    if (args.files.size() != (previewing ? 1u : 2u) || (previewing && args.text.empty()) ||
        args.size < 4) {
        throw std::invalid_argument("wrong arguments");
    }
    return args;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    // Written under a temporary name first so an interrupted build leaves no half file.
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            throw std::runtime_error("cannot write " + partial);
        }
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        throw std::runtime_error("cannot rename " + partial + " to " + path);
    }
}

void Preview(const Arguments& args) {
    const auto slots = mkvecfont::DecodeFont(ReadFile(args.files[0]));
    if (!slots) {
        throw std::runtime_error(args.files[0] + " is not a type 1 stroke font");
    }
    const mkvecfont::Cp932 cp932;
    mkvecfont::WritePpm(args.preview, mkvecfont::DrawText(*slots, cp932, args.text, args.size));
}

void Build(const Arguments& args) {
    const mkvecfont::FontSource source{args.files[1], args.family};
    const auto slots = mkvecfont::BuildFont(source, mkvecfont::StrokeOptions{}, args.jobs);
    WriteFile(args.files[0], mkvecfont::EncodeFont(slots));
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Arguments args = Parse(argc, argv);
        if (args.preview.empty()) {
            Build(args);
        } else {
            Preview(args);
        }
    } catch (const std::invalid_argument& e) {
        std::cerr << "mkvecfont: " << e.what() << '\n' << kUsage;
        return EXIT_FAILURE;
    } catch (const std::exception& e) {
        std::cerr << "mkvecfont: " << e.what() << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
