// qlptool: inspects drawings without a window.
//   qlptool dump FILE.qlp    prints the drawing as one JSON object

#include "DrawingDump.h"
#include "KORVANEXDoc.h"
#include "ToolServices.h"

#include <iostream>
#include <string_view>

namespace {

constexpr const char* kUsage = "usage: qlptool dump FILE.qlp\n";

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
    if (argc != 3 || std::string_view(argv[1]) != "dump") {
        std::cerr << kUsage;
        return 2;
    }
    CToolServices services;
    SetAppServices(&services);
    const int result = Dump(argv[2], services);
    SetAppServices(nullptr);
    return result;
}
