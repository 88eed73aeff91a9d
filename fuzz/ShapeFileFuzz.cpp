#include "ExGeneralParts.h"
#include "ExHeadlessView.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Reads arbitrary bytes as a parts shape file and places the part on a view.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CExHeadlessView view(100, 25, 25, 96);
    ExActiveViewScope active(&view);
    CExGeneralParts part;
    if (LoadShapeBytes(part, std::string_view(reinterpret_cast<const char*>(data), size))) {
        part.SetPosition(1000000, 1000000);
        part.UpdateParts();
        part.RecalcParts();
        part.CalcVertexHandles();
    }
    return 0;
}
