#include "Library.h"
#include "Parser.h"
#include "Preview.h"
#include "Validate.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kThumbnailPixels = 64;

int Usage() {
    std::cerr << "usage: mkparts OUTPUT_DIR SOURCE...\n"
                 "       mkparts --preview SHEET.ppm [--cell PIXELS] SOURCE...\n";
    return 2;
}

std::vector<mkparts::Part> ReadAll(const std::vector<std::string>& sources) {
    std::vector<mkparts::Part> parts;
    for (const std::string& source : sources) {
        std::vector<mkparts::Part> more = mkparts::ParseSourceFile(source);
        parts.insert(parts.end(), more.begin(), more.end());
    }
    mkparts::CheckLibrary(parts);
    std::sort(parts.begin(), parts.end(),
              [](const mkparts::Part& a, const mkparts::Part& b) { return a.code < b.code; });
    return parts;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string preview;
    int cell = kThumbnailPixels;
    if (!args.empty() && args[0] == "--preview") {
        if (args.size() < 2) {
            return Usage();
        }
        preview = args[1];
        args.erase(args.begin(), args.begin() + 2);
        if (args.size() >= 2 && args[0] == "--cell") {
            cell = std::atoi(args[1].c_str());
            args.erase(args.begin(), args.begin() + 2);
            if (cell < 16 || cell > 1024) {
                return Usage();
            }
        }
    } else if (args.empty()) {
        return Usage();
    }
    std::string output;
    if (preview.empty()) {
        output = args[0];
        args.erase(args.begin());
    }
    if (args.empty()) {
        return Usage();
    }
    try {
        const std::vector<mkparts::Part> parts = ReadAll(args);
        if (!preview.empty()) {
            mkparts::WritePpm(preview, mkparts::RenderContactSheet(parts, cell));
            std::cout << "mkparts: " << parts.size() << " parts drawn on " << preview << '\n';
        } else {
            mkparts::WriteLibrary(output, parts);
            std::cout << "mkparts: " << parts.size() << " parts written to " << output << '\n';
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
