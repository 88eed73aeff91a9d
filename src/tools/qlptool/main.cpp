// qlptool: inspects drawings without a window.
//   qlptool dump FILE.qlp    prints the drawing as one JSON object
//   qlptool export FILE.qlp OUT.(png|bmp|svg|pdf) [--width PX] [--height PX]
//          [--form whole|layout|wiring]    draws the whole sheet into a picture

#include "DrawingDump.h"
#include "ExVecFont.h"
#include "ExportCommand.h"
#include "KORVANEXDoc.h"
#include "ToolServices.h"

#include <filesystem>
#include <iostream>
#include <string_view>

namespace {

namespace fs = std::filesystem;

// The program's font lies beside the tools in the build tree, or in the data folder of an
// installed program. Labels that elements rebuild (areas, rulers) need it; without it they
// are simply left without strokes.
void LoadProgramFont(CExVecFont& font) {
    std::error_code error;
    const fs::path folder = fs::read_symlink("/proc/self/exe", error).parent_path();
    for (const fs::path& candidate :
         {folder / CExVecFont::kFileName, folder / "../share/quillplan" / CExVecFont::kFileName}) {
        if (font.LoadVecFont(candidate)) {
            SetVecFont(&font);
            return;
        }
    }
}

constexpr const char* kUsage =
    "usage: qlptool dump FILE.qlp\n"
    "       qlptool export FILE.qlp OUT.(png|bmp|svg|pdf) [--width PX] [--height PX]\n"
    "              [--form whole|layout|wiring]\n";

int Dump(const char* fileName, CToolServices& services) {
    CKORVANEXDoc doc;
    if (!doc.OnOpenDocument(fileName)) {
        const std::string reason =
            services.Messages().empty() ? "cannot read the drawing" : services.Messages().back();
        std::cerr << "qlptool: " << fileName << ": " << reason << '\n';
        return 1;
    }
    if (!doc.IsComplete()) {
        std::cerr << "qlptool: " << fileName
                  << ": the drawing ends in a damaged element; showing the elements before it\n";
    }
    std::cout << DumpDrawing(doc).dump(2) << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool exporting = argc >= 2 && std::string_view(argv[1]) == "export";
    if (!exporting && (argc != 3 || std::string_view(argv[1]) != "dump")) {
        std::cerr << kUsage;
        return 2;
    }
    CToolServices services;
    SetAppServices(&services);
    CExVecFont font;
    LoadProgramFont(font);
    const int result =
        exporting ? RunExport(argc - 2, argv + 2, services) : Dump(argv[2], services);
    SetAppServices(nullptr);
    SetVecFont(nullptr);
    return result;
}
