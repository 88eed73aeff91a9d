#include "MapSizeChange.h"

#include "ExAppServices.h"
#include "ExEdit.h"
#include "ExParts.h"
#include "KORVANEXDoc.h"

#include <cstdint>
#include <vector>

namespace {

constexpr std::int64_t kUnitsPerMetre = 100000;

// The far corner of a part in drawing units: the top-right of its outline as last computed
// for the view, or its position when it has no outline.
void FarCorner(const CExParts& part, int viewScale, std::int64_t& x, std::int64_t& y) {
    const ExRect box = part.HitRegion().GetBoundingBox();
    if (part.HitRegion().IsEmpty()) {
        x = part.GetPosition().x;
        y = part.GetPosition().y;
        return;
    }
    x = std::int64_t(box.right) * viewScale;
    y = std::int64_t(box.top) * viewScale;
}

} // namespace

ExMapSize ApplyMapSize(CExEditRecorder& recorder, ExMapSize current, ExMapSize requested,
                       int viewScale) {
    CKORVANEXDoc& doc = recorder.Document();
    if (doc.GetElementCount() == 0) {
        return requested;
    }
    if (requested.width >= current.width && requested.height >= current.height) {
        return requested;
    }
    if (AppServices().MessageBox(exmsg::kShrinkSheetQuestion, ExMessageIcon::Question,
                                 ExMessageButtons::OkCancel) != ExMessageResult::Ok) {
        return current;
    }
    doc.Selection().Clear();
    const std::int64_t width = requested.width * kUnitsPerMetre;
    const std::int64_t height = requested.height * kUnitsPerMetre;
    std::vector<CExParts*> beyond;
    for (const auto& part : doc.Elements()) {
        std::int64_t x = 0;
        std::int64_t y = 0;
        FarCorner(*part, viewScale, x, y);
        if (x > width || y > height) {
            beyond.push_back(part.get());
        }
    }
    recorder.Remove(beyond);
    doc.SetModifiedFlag();
    return requested;
}
