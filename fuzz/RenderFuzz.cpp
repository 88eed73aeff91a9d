#include "ExArchive.h"
#include "ExException.h"
#include "ExHeadlessView.h"
#include "ExParts.h"
#include "KORVANEXDoc.h"
#include "support/RecordingDC.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Drawings larger than this take long enough to slow the search without reaching anything new.
constexpr std::size_t kMaxInputBytes = 64 * 1024;
// The finest and the coarsest divisor a view or a print can draw at.
constexpr int kDivisors[] = {10, 3000};

} // namespace

// Reads arbitrary bytes as a drawing file, then draws every element it holds as the view does,
// plain, dimmed and with its handles, at a fine and a coarse divisor: hostile geometry must reach
// the drawing surface without overflowing, crashing or hanging.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxInputBytes) {
        return -1;
    }
    CKORVANEXDoc doc;
    try {
        CExArchive in(std::string_view(reinterpret_cast<const char*>(data), size));
        doc.Serialize(in);
    } catch (const CExException&) {
        return 0;
    }
    CExHeadlessView view(100, 25, 25, 96);
    view.SetDrawingView(true);
    view.SetDocument(&doc);
    ExActiveViewScope active(&view);
    for (const int divisor : kDivisors) {
        view.SetViewScale(divisor);
        RecordingDC dc;
        for (const auto& element : doc.Elements()) {
            element->UpdateParts();
            element->RecalcParts();
            element->DrawParts(&dc);
            element->DrawPartsLight(&dc);
            element->DrawHandles(&dc);
        }
    }
    return 0;
}
