#include "ExEditCommands.h"
#include "ExEdit.h"
#include "ExPartsClone.h"
#include "support/EditFixture.h"

namespace {

using namespace editdrawing;

class EditCommandsTest : public EditFixture {
protected:
    ExCopyResult Copy(std::initializer_list<CExParts*> parts) {
        SelectOnly(parts);
        CExEditRecorder rec(m_doc, "copy");
        const ExCopyResult result = CopySelection(rec, m_view);
        m_edits.push_back(rec.Finish());
        return result;
    }

    std::string Order() const {
        std::string names;
        for (const auto& element : m_doc.Elements()) {
            names += element->GetPartsName();
        }
        return names;
    }

    std::vector<std::unique_ptr<CExEdit>> m_edits;
};

TEST_F(EditCommandsTest, ACopyHasEveryFieldOfItsSourceButItsPlace) {
    square->SetLineWidth(7);
    square->SetLineStyle(3);
    for (CExParts* source : {wall, room, square, pillar, text, image, cable}) {
        SCOPED_TRACE(source->GetRuntimeClassName());
        const ExCopyResult result = Copy({source});
        ASSERT_EQ(result.copies.size(), 1u);
        CExParts* copy = result.copies.front();
        EXPECT_EQ(copy->GetRuntimeClassName(), std::string(source->GetRuntimeClassName()));
        EXPECT_EQ(copy->GetLineWidth(), source->GetLineWidth());
        EXPECT_EQ(copy->GetLineStyle(), source->GetLineStyle());
        EXPECT_NE(RecordOf(*copy), RecordOf(*source));
        // Put back on its source, the copy is the source over again.
        const ExPoint back =
            source == cable ? ExPoint{-50000, -50000} : source->GetPosition() - copy->GetPosition();
        OffsetPart(*copy, back);
        copy->UpdateParts();
        copy->RecalcParts();
        EXPECT_EQ(RecordOf(*copy), RecordOf(*source));
    }
}

TEST_F(EditCommandsTest, ARulersCopyIsAttachedToNothing) {
    ruler->SetUnit(CExMeasure::kUnitMetre);
    const ExCopyResult result = Copy({ruler});
    ASSERT_EQ(result.copies.size(), 1u);
    const auto* copy = dynamic_cast<const CExMeasure*>(result.copies.front());
    ASSERT_NE(copy, nullptr);
    for (int end = 0; end < 2; ++end) {
        EXPECT_EQ(copy->EndAt(end).element, nullptr);
        EXPECT_EQ(copy->EndAt(end).point, (ruler->EndAt(end).point + ExPoint{50000, 50000}));
        EXPECT_EQ(copy->EndAt(end).attachAngle, ruler->EndAt(end).attachAngle);
        EXPECT_EQ(copy->GetOffset(end), ruler->GetOffset(end));
    }
    EXPECT_EQ(copy->GetUnit(), CExMeasure::kUnitMetre);
    EXPECT_EQ(copy->GetStyle(), ruler->GetStyle());
    EXPECT_EQ(copy->GetAttachCount(), 0);
    EXPECT_EQ(ruler->GetAttachCount(), 2);
}

TEST_F(EditCommandsTest, CopiesGoWhereTheyFitOnTheSheet) {
    // 5 mm on the screen is 50000 drawing units at 1/100; the sheet is 25 m square.
    const struct {
        ExPoint at;
        ExPoint copy;
    } cases[] = {
        {{1250000, 1250000}, {1300000, 1300000}}, // up-right
        {{1250000, 2480000}, {1300000, 2430000}}, // down-right under the top
        {{2480000, 2480000}, {2430000, 2430000}}, // down-left in the top right corner
        {{2480000, 20000}, {2430000, 70000}},     // up-left in the bottom right corner
    };
    for (const auto& c : cases) {
        square->SetPosition(c.at.x, c.at.y);
        square->UpdateParts();
        const ExCopyResult result = Copy({square});
        ASSERT_EQ(result.copies.size(), 1u);
        EXPECT_EQ(result.copies.front()->GetPosition(), c.copy);
        EXPECT_EQ(result.failures, 0);
    }
}

TEST_F(EditCommandsTest, WhatDoesNotFitAndAreasAreCountedAsFailures) {
    CExParts* wide = m_doc.AddElement(Cable({{0, 1000000}, {2500000, 1000000}}));
    const std::size_t count = m_doc.GetElementCount();
    const ExCopyResult result = Copy({wide, square, area, text});
    EXPECT_EQ(result.failures, 2);
    ASSERT_EQ(result.copies.size(), 2u);
    EXPECT_EQ(m_doc.GetElementCount(), count + 2);
    EXPECT_EQ(m_doc.SelectionList(), result.copies);
    EXPECT_EQ(m_doc.Selection().Primary(), result.copies.front());
    EXPECT_EQ(m_doc.CopyList(), result.copies);
    EXPECT_EQ(result.copies[1]->GetPartsName(), text->GetPartsName());
    EXPECT_EQ(square->GetSelectFlag(), 0);
}

TEST_F(EditCommandsTest, DeletingLeavesRulersDetachedAndAreasRecounted) {
    EXPECT_EQ(static_cast<CExArea*>(area)->GetPillarCount(), 1);
    SelectOnly({pillar, text});
    CExEditRecorder rec(m_doc, "delete");
    const ExDeleteResult result = DeleteSelection(rec);
    EXPECT_EQ(Position(pillar), -1);
    EXPECT_EQ(Position(text), -1);
    EXPECT_GE(Position(ruler), 0);
    EXPECT_EQ(ruler->EndAt(0).element, square);
    EXPECT_EQ(ruler->EndAt(1).element, nullptr);
    EXPECT_EQ(static_cast<CExArea*>(area)->GetPillarCount(), 0);
    EXPECT_EQ(result.changed, (std::vector<CExParts*>{ruler, area}));
    EXPECT_TRUE(m_doc.SelectionList().empty());
    EXPECT_FALSE(result.rect.IsEmpty());
    const auto edit = rec.Finish();
    edit->Undo(m_doc);
    EXPECT_EQ(static_cast<CExArea*>(area)->GetPillarCount(), 1);
}

TEST_F(EditCommandsTest, ZOrderMovesKeepSelectionAndAttachments) {
    CKORVANEXDoc doc;
    auto attached = std::make_unique<CExMeasure>();
    attached->SetPartsName("r");
    CExMeasure* kept = attached.get();
    doc.AddElement(std::move(attached));
    for (const char* name : {"a", "b", "c"}) {
        auto part = Square({500000, 500000});
        part->SetPartsName(name);
        doc.AddElement(std::move(part));
    }
    auto named = [&](char name) {
        for (const auto& element : doc.Elements()) {
            if (element->GetPartsName()[0] == name) {
                return element.get();
            }
        }
        return static_cast<CExParts*>(nullptr);
    };
    doc.Selection().Select(named('a'));
    kept->EndAt(0).element = named('a');
    const struct {
        char part;
        ExZOrder order;
        int result;
        const char* after;
    } cases[] = {
        {'a', ExZOrder::ToFront, 3, "rbca"},  {'a', ExZOrder::ToFront, -1, "rbca"},
        {'a', ExZOrder::Forward, -1, "rbca"}, {'a', ExZOrder::Backward, 2, "rbac"},
        {'a', ExZOrder::ToBack, 0, "arbc"},   {'a', ExZOrder::Backward, -1, "arbc"},
        {'b', ExZOrder::Forward, 3, "arcb"},
    };
    for (const auto& c : cases) {
        CExEditRecorder rec(doc, "order");
        EXPECT_EQ(MoveInZOrder(rec, *named(c.part), c.order), c.result);
        std::string names;
        for (const auto& element : doc.Elements()) {
            names += element->GetPartsName();
        }
        EXPECT_EQ(names, c.after);
    }
    EXPECT_EQ(doc.Selection().Primary(), named('a'));
    EXPECT_EQ(kept->EndAt(0).element, named('a'));
    CKORVANEXDoc alone;
    alone.AddElement(Square({500000, 500000}));
    CExEditRecorder rec(alone, "order");
    EXPECT_EQ(MoveInZOrder(rec, *alone.ElementAt(0), ExZOrder::ToBack), -1);
}

TEST_F(EditCommandsTest, CopyDeleteAndZOrderAreUndone) {
    ExpectUndoAndRedo("copy", [&](CExEditRecorder& rec) {
        SelectOnly({square, wall, room, pillar, area, text, image, cable, ruler});
        EXPECT_EQ(CopySelection(rec, m_view).failures, 1);
    });
    ExpectUndoAndRedo("delete", [&](CExEditRecorder& rec) {
        SelectOnly({square, pillar, text});
        DeleteSelection(rec);
    });
    ExpectUndoAndRedo("bring to front",
                      [&](CExEditRecorder& rec) { MoveInZOrder(rec, *square, ExZOrder::ToFront); });
    ExpectUndoAndRedo("send backward twice", [&](CExEditRecorder& rec) {
        MoveInZOrder(rec, *image, ExZOrder::Backward);
        MoveInZOrder(rec, *image, ExZOrder::Backward);
    });
    CExEditRecorder still(m_doc, "front of the front");
    EXPECT_EQ(MoveInZOrder(still, *ruler, ExZOrder::ToFront), -1);
    EXPECT_EQ(still.Finish(), nullptr);
}

} // namespace
