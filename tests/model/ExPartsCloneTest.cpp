#include "ExPartsClone.h"
#include "support/EditFixture.h"

namespace {

using namespace editdrawing;

using PartsCloneTest = EditFixture;

// Undo reads a part's record back into the part itself: whatever the part held before, it must
// end up as a part freshly read from that record.
TEST_F(PartsCloneTest, ReadingARecordIntoAUsedPartLeavesItAsAFreshPart) {
    auto other = [&](CExParts* part) -> std::unique_ptr<CExParts> {
        if (part == area) {
            return Area({{0, 0}, {100000, 0}, {100000, 200000}, {50000, 300000}, {0, 100000}});
        }
        if (part == cable) {
            return Cable({{0, 0}, {100000, 0}, {100000, 200000}, {50000, 300000}});
        }
        if (part == text) {
            return Text({100000, 100000}, "XYZW");
        }
        if (part == ruler) {
            return Ruler(m_doc, {0, 0}, {200000, 300000});
        }
        auto moved = ClonePart(*part);
        OffsetPart(*moved, {12345, 6789});
        moved->UpdateParts();
        moved->RecalcParts();
        return moved;
    };
    for (CExParts* used :
         {wall, room, square, pillar, area, text, image, cable, static_cast<CExParts*>(ruler)}) {
        SCOPED_TRACE(used->GetRuntimeClassName());
        const std::unique_ptr<CExParts> source = other(used);
        const std::string record = RecordOf(*source);
        CExArchive in(record);
        in.ReadString();
        used->Serialize(in);
        EXPECT_EQ(RecordOf(*used), record);
    }
}

TEST_F(PartsCloneTest, ACloneHasItsSourcesRecordAndPen) {
    square->SetLineWidth(7);
    square->SetLineStyle(3);
    for (CExParts* source : {wall, room, square, pillar, area, text, image, cable}) {
        SCOPED_TRACE(source->GetRuntimeClassName());
        const std::unique_ptr<CExParts> copy = ClonePart(*source);
        ASSERT_TRUE(copy);
        EXPECT_NE(copy.get(), source);
        EXPECT_EQ(RecordOf(*copy), RecordOf(*source));
        EXPECT_EQ(copy->GetLineWidth(), source->GetLineWidth());
        EXPECT_EQ(copy->GetLineStyle(), source->GetLineStyle());
        EXPECT_EQ(copy->GetSelectFlag(), 0);
        // Brought up to date, it is still the same: nothing was left to recompute from.
        copy->UpdateParts();
        copy->RecalcParts();
        EXPECT_EQ(RecordOf(*copy), RecordOf(*source));
    }
}

TEST_F(PartsCloneTest, ARulersCloneIsAttachedToNothing) {
    ruler->SetUnit(CExMeasure::kUnitMetre);
    const std::unique_ptr<CExParts> copy = ClonePart(*ruler);
    const auto& clone = dynamic_cast<const CExMeasure&>(*copy);
    for (int end = 0; end < 3; ++end) {
        EXPECT_EQ(clone.EndAt(end).element, nullptr);
        EXPECT_EQ(clone.EndAt(end).point, ruler->EndAt(end).point);
        EXPECT_EQ(clone.EndAt(end).attachAngle, ruler->EndAt(end).attachAngle);
    }
    EXPECT_EQ(clone.GetOffset(1), ruler->GetOffset(1));
    EXPECT_EQ(clone.GetUnit(), CExMeasure::kUnitMetre);
    EXPECT_EQ(clone.GetStyle(), ruler->GetStyle());
    EXPECT_EQ(ruler->EndAt(0).element, square);
}

TEST_F(PartsCloneTest, OffsettingMovesWhatEachKindIsPlacedBy) {
    const ExPoint step{10000, -20000};
    const auto& points = [](const CExParts* part) {
        return static_cast<const CExWiringParts*>(part)->Points();
    };
    const std::vector<ExPoint> vertices = points(cable);
    const ExPoint end = ruler->EndAt(1).point;
    const ExPoint at = square->GetPosition();
    const ExPoint corner = static_cast<CExArea*>(area)->Points().front();
    for (CExParts* part : {square, cable, area, static_cast<CExParts*>(ruler)}) {
        OffsetPart(*part, step);
        part->UpdateParts();
    }
    EXPECT_EQ(square->GetPosition(), at + step);
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        EXPECT_EQ(points(cable)[i], vertices[i] + step);
    }
    EXPECT_EQ(ruler->EndAt(1).point, end + step);
    EXPECT_EQ(static_cast<CExArea*>(area)->Points().front(), corner + step);
}

} // namespace
