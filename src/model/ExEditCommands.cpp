#include "ExEditCommands.h"

#include "ExEdit.h"
#include "ExKindIndex.h"
#include "ExMeasure.h"
#include "ExPartsClone.h"
#include "ExRulerFollow.h"
#include "ExViewContext.h"
#include "KORVANEXDoc.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace {

// Where a copy goes from its source, in view units, in the order they are tried.
constexpr std::array<ExPoint, 4> kCopyOffsets = {
    {{500, 500}, {500, -500}, {-500, -500}, {-500, 500}}};

// A copy of the source placed at the first offset that keeps it on the sheet, or null.
std::unique_ptr<CExParts> PlacedCopy(CExParts& source, const CExViewContext& view) {
    std::unique_ptr<CExParts> copy = ClonePart(source);
    if (!copy) {
        return nullptr;
    }
    const ExPoint from = source.GetPosition();
    ExPoint onScreen = from;
    view.ToViewPoint(onScreen);
    ExPoint applied;
    for (const ExPoint offset : kCopyOffsets) {
        const ExPoint target = onScreen + offset;
        const ExPoint step =
            ExPoint{view.ToDrawingLength(target.x), view.ToDrawingLength(target.y)} - from;
        OffsetPart(*copy, step - applied);
        applied = step;
        if (copy->IsInDrawing()) {
            return copy;
        }
    }
    return nullptr;
}

} // namespace

ExCopyResult CopySelection(CExEditRecorder& recorder, const CExViewContext& view) {
    CKORVANEXDoc& doc = recorder.Document();
    const std::vector<CExParts*> sources = doc.SelectionList();
    for (CExParts* source : sources) {
        source->SetRedrawFlag(1);
    }
    doc.Selection().Clear();
    ExCopyResult result;
    for (CExParts* source : sources) {
        std::unique_ptr<CExParts> copy;
        if (KindOfElement(*source) != ExKind::Area) {
            copy = PlacedCopy(*source, view);
        }
        if (!copy) {
            ++result.failures;
            continue;
        }
        copy->UpdateParts();
        copy->RecalcParts();
        result.copies.push_back(recorder.Add(std::move(copy)));
    }
    for (CExParts* copy : result.copies) {
        doc.Selection().Add(copy);
    }
    doc.CopyList() = result.copies;
    return result;
}

ExDeleteResult DeleteSelection(CExEditRecorder& recorder) {
    CKORVANEXDoc& doc = recorder.Document();
    const std::vector<CExParts*> doomed = doc.SelectionList();
    ExDeleteResult result;
    if (doomed.empty()) {
        return result;
    }
    const std::unordered_set<const CExParts*> leaving(doomed.begin(), doomed.end());
    bool pillar = false;
    for (const CExParts* part : doomed) {
        UniteRect(result.rect, part->GetUpdateRect());
        pillar = pillar || KindOfElement(*part) == ExKind::Pillar;
    }
    const std::vector<CExMeasure*> rulers = RulersAttachedTo(doc, leaving);
    // Leaving the drawing detaches the rulers; the recorder keeps and recomputes them.
    recorder.Remove(doomed);
    result.changed.assign(rulers.begin(), rulers.end());
    if (pillar) {
        const std::vector<CExParts*> areas = RecomputeAreas(doc);
        result.changed.insert(result.changed.end(), areas.begin(), areas.end());
    }
    return result;
}

int MoveInZOrder(CExEditRecorder& recorder, CExParts& part, ExZOrder order) {
    const CKORVANEXDoc& doc = recorder.Document();
    const int from = doc.FindElement(&part);
    const int last = static_cast<int>(doc.GetElementCount()) - 1;
    if (from < 0 || last < 1) {
        return -1;
    }
    int to = from;
    switch (order) {
    case ExZOrder::ToFront:
        to = last;
        break;
    case ExZOrder::Forward:
        to = std::min(from + 1, last);
        break;
    case ExZOrder::ToBack:
        to = 0;
        break;
    case ExZOrder::Backward:
        to = std::max(from - 1, 0);
        break;
    }
    if (to == from) {
        return -1;
    }
    recorder.Move(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    return to;
}

std::vector<CExParts*> RecomputeAreas(CKORVANEXDoc& doc) {
    std::vector<CExParts*> areas;
    for (CExParts* referrer : doc.Referrers()) {
        if (KindOfElement(*referrer) == ExKind::Area) {
            referrer->SetRedrawFlag(1);
            referrer->UpdateParts();
            areas.push_back(referrer);
        }
    }
    return areas;
}
