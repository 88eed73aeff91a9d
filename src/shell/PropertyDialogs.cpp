#include "PropertyDialogs.h"

#include "BuhinPropertyDialog.h"
#include "ExAppServices.h"
#include "ExEditCommands.h"
#include "ExException.h"
#include "ExImagePropertyBox.h"
#include "ExKindIndex.h"
#include "ExMeasure.h"
#include "ExMeasurePropertyBox.h"
#include "ExRoomParts.h"
#include "ExRoomPropertyBox.h"
#include "ExRulerFollow.h"
#include "ExStringParts.h"
#include "ExStringPropertyBox.h"
#include "ExWallPropertyBox.h"
#include "ExWallThickness.h"
#include "ExWiringParts.h"
#include "ExWiringPropertyBox.h"
#include "KORVANEXDoc.h"

#include <vector>

namespace {

// Shows the dialog filled from the part; on OK with values other than those shown, writes
// them back and lets the attached rulers follow.
template <typename Box, typename Values, typename Part>
bool EditPlacedPart(QWidget* parent, CKORVANEXDoc& doc, Part* part, ExSheetSize sheet) {
    if (!part) {
        return false;
    }
    const Values shown = Values::FromPart(*part);
    Box box(shown, sheet, parent);
    if (box.exec() != QDialog::Accepted || box.Values() == shown) {
        return false;
    }
    box.Values().ApplyTo(*part, sheet);
    for (CExMeasure* ruler : RulersAttachedTo(doc, {part})) {
        FollowAttachedParts(*ruler);
    }
    return true;
}

bool EditCable(QWidget* parent, CExWiringParts* cable) {
    if (!cable) {
        return false;
    }
    const ExCableValues shown = ExCableValues::FromPart(*cable);
    CExWiringPropertyBox box(shown, parent);
    if (box.exec() != QDialog::Accepted || box.Values() == shown) {
        return false;
    }
    box.Values().ApplyTo(*cable);
    return true;
}

bool EditRuler(QWidget* parent, const CKORVANEXDoc& doc, CExMeasure* ruler) {
    if (!ruler) {
        return false;
    }
    const ExRulerValues shown = ExRulerValues::FromPart(*ruler);
    CExMeasurePropertyBox box(shown, parent);
    if (box.exec() != QDialog::Accepted || box.Values() == shown) {
        return false;
    }
    std::vector<CExParts*> elements;
    elements.reserve(doc.GetElementCount());
    for (const auto& element : doc.Elements()) {
        elements.push_back(element.get());
    }
    if (!box.Values().ApplyTo(*ruler, elements)) {
        AppServices().MessageBox(exmsg::kRulerLeavesSheet, ExMessageIcon::Stop,
                                 ExMessageButtons::Ok);
        return false;
    }
    return true;
}

} // namespace

bool ShowPropertyDialog(QWidget* parent, CKORVANEXDoc& doc, CExParts& part, int mapWidthM,
                        int mapHeightM) {
    const ExSheetSize sheet{mapWidthM, mapHeightM};
    try {
        switch (KindOfClassName(part.GetRuntimeClassName())) {
        case ExKind::OuterWall:
            return EditPlacedPart<CExWallPropertyBox, ExWallValues>(
                parent, doc, dynamic_cast<CExWallThickness*>(&part), sheet);
        case ExKind::Room:
            return EditPlacedPart<CExRoomPropertyBox, ExRoomValues>(
                parent, doc, dynamic_cast<CExRoomParts*>(&part), sheet);
        case ExKind::Pillar:
            if (EditPlacedPart<CBuhinPropertyDialog, ExPartValues>(parent, doc, &part, sheet)) {
                RecomputeAreas(doc);
                return true;
            }
            return false;
        case ExKind::General:
            return EditPlacedPart<CBuhinPropertyDialog, ExPartValues>(parent, doc, &part, sheet);
        case ExKind::String:
            return EditPlacedPart<CExStringPropertyBox, ExTextValues>(
                parent, doc, dynamic_cast<CExStringParts*>(&part), sheet);
        case ExKind::Image:
            return EditPlacedPart<CExImagePropertyBox, ExImageValues>(parent, doc, &part, sheet);
        case ExKind::Wiring:
            return EditCable(parent, dynamic_cast<CExWiringParts*>(&part));
        case ExKind::Measure:
            return EditRuler(parent, doc, dynamic_cast<CExMeasure*>(&part));
        case ExKind::Area:
        case ExKind::None:
            return false;
        }
    } catch (...) {
        // The dialog's action is skipped; the drawing stays usable.
        ReportCaughtException();
    }
    return false;
}
