#include "ExPartsClone.h"

#include "ExArchive.h"
#include "ExArea.h"
#include "ExKindIndex.h"
#include "ExMeasure.h"
#include "ExParts.h"
#include "ExWiringParts.h"

std::unique_ptr<CExParts> ClonePart(CExParts& source) {
    // The record holds all of a part's own fields and reads back byte for byte, so one way of
    // copying serves every kind; references to other parts are stored as positions in a file
    // and, without one, as none.
    std::unique_ptr<CExParts> copy = CreateElementOfKind(KindOfElement(source));
    if (!copy) {
        return nullptr;
    }
    CExArchive out;
    source.Serialize(out);
    const std::string record = out.TakeStored();
    CExArchive in(record);
    in.ReadString();
    copy->Serialize(in);
    ExPartExtras extras;
    source.SaveExtras(extras);
    extras.links.clear();
    copy->RestoreExtras(extras);
    copy->SetRedrawFlag(1);
    return copy;
}

void OffsetPart(CExParts& part, ExPoint step) {
    if (auto* ruler = dynamic_cast<CExMeasure*>(&part)) {
        for (int end = 0; end < 3; ++end) {
            ruler->EndAt(end).point = ruler->EndAt(end).point + step;
        }
    } else if (auto* cable = dynamic_cast<CExWiringParts*>(&part)) {
        cable->OffsetPoints(step);
    } else if (auto* area = dynamic_cast<CExArea*>(&part)) {
        area->BuildDrawLines();
        for (ExStoredLine& line : area->DrawLines().MutableStored()) {
            line.scaledStart = line.scaledStart + step;
            line.scaledEnd = line.scaledEnd + step;
        }
        area->BuildPointsFromLines();
    }
    const ExPoint position = part.GetPosition() + step;
    part.SetPosition(position.x, position.y);
    part.SetRedrawFlag(1);
}
