#include "ExArchive.h"
#include "ExException.h"
#include "ExHeadlessView.h"
#include "ExParts.h"
#include "KORVANEXDoc.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Reads arbitrary bytes as a drawing file, then brings every element up to date and stores the
// drawing again: each step must fail cleanly or succeed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CExHeadlessView view(100, 25, 25, 96);
    ExActiveViewScope active(&view);
    CKORVANEXDoc doc;
    try {
        CExArchive in(std::string_view(reinterpret_cast<const char*>(data), size));
        doc.Serialize(in);
        for (const auto& element : doc.Elements()) {
            element->UpdateParts();
            element->RecalcParts();
        }
        CExArchive out;
        doc.Serialize(out);
    } catch (const CExException&) {
    }
    return 0;
}
