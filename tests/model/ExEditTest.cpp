#include "ExEdit.h"
#include "ExPartsClone.h"
#include "support/EditFixture.h"

namespace {

using namespace editdrawing;

using EditTest = EditFixture;

// Moves a part the way the tools do: touched first, then moved and brought up to date.
void Move(CExEditRecorder& rec, CExParts* part, ExPoint step) {
    rec.Touch(part);
    OffsetPart(*part, step);
    part->UpdateParts();
    part->RecalcParts();
}

TEST_F(EditTest, UndoAndRedoGiveTheDrawingBackByteForByte) {
    ExpectUndoAndRedo("move", [&](CExEditRecorder& rec) {
        Move(rec, square, {1000, 2000});
        Move(rec, square, {1000, 2000});
    });
    ExpectUndoAndRedo("type", [&](CExEditRecorder& rec) {
        rec.Touch(text);
        static_cast<CExStringParts*>(text)->InsertString("C", 2);
        text->UpdateParts();
        text->RecalcParts();
    });
    ExpectUndoAndRedo("add and remove", [&](CExEditRecorder& rec) {
        rec.Add(Square({1000000, 1000000}));
        rec.Remove(ruler);
        rec.Remove(cable);
    });
    ExpectUndoAndRedo("remove many", [&](CExEditRecorder& rec) {
        rec.Remove({image, wall, pillar, square});
    });
    ExpectUndoAndRedo("reorder", [&](CExEditRecorder& rec) {
        rec.Move(0, 8);
        rec.Move(3, 1);
    });
    ExpectUndoAndRedo("add, move, change and remove", [&](CExEditRecorder& rec) {
        CExParts* added = rec.Add(Square({1000000, 1000000}));
        rec.Move(m_doc.GetElementCount() - 1, 0);
        Move(rec, added, {5000, 0});
        Move(rec, room, {5000, 0});
        rec.Remove(room);
    });
}

TEST_F(EditTest, ARemovedPartComesBackAsTheSameObjectWithItsRulers) {
    const int squareAt = Position(square);
    CExEditRecorder rec(m_doc, "remove");
    rec.Remove(square);
    const auto edit = rec.Finish();
    EXPECT_EQ(Position(square), -1);
    EXPECT_EQ(ruler->EndAt(0).element, nullptr);
    EXPECT_EQ(ruler->EndAt(1).element, pillar);

    edit->Undo(m_doc);
    EXPECT_EQ(Position(square), squareAt);
    EXPECT_EQ(ruler->EndAt(0).element, square);
    EXPECT_EQ(ruler->EndAt(1).element, pillar);
    EXPECT_EQ(ruler->GetAttachCount(), 2);

    edit->Redo(m_doc);
    EXPECT_EQ(Position(square), -1);
    EXPECT_EQ(ruler->EndAt(0).element, nullptr);
    EXPECT_EQ(edit->Parts(), (std::vector<CExParts*>{ruler, square}));
}

TEST_F(EditTest, ARemovedPartLeavesTheSelection) {
    SelectOnly({square, text});
    CExEditRecorder rec(m_doc, "remove");
    rec.Remove(square);
    EXPECT_EQ(m_doc.SelectionList(), (std::vector<CExParts*>{text}));
    EXPECT_EQ(square->GetSelectFlag(), 0);
    rec.Finish()->Undo(m_doc);
    EXPECT_EQ(square->GetSelectFlag(), 0);
}

TEST_F(EditTest, AnEditThatChangedNothingIsNone) {
    CExEditRecorder rec(m_doc, "nothing");
    rec.Touch(square);
    rec.Touch(ruler);
    rec.Move(2, 2);
    EXPECT_EQ(rec.Finish(), nullptr);
}

TEST_F(EditTest, UndoAndRedoTakeTurns) {
    CExEditRecorder rec(m_doc, "move");
    Move(rec, square, {100000, 0});
    const auto edit = rec.Finish();
    EXPECT_TRUE(edit->Redo(m_doc).parts.empty());
    EXPECT_EQ(square->GetPosition(), (ExPoint{600000, 500000}));
    EXPECT_FALSE(edit->Undo(m_doc).parts.empty());
    EXPECT_TRUE(edit->IsUndone());
    EXPECT_TRUE(edit->Undo(m_doc).parts.empty());
    EXPECT_EQ(square->GetPosition(), (ExPoint{500000, 500000}));
}

TEST_F(EditTest, AChangeSaysWhichPartsAndWhereTheyWereAndAre) {
    CExEditRecorder rec(m_doc, "move");
    Move(rec, square, {400000, 0});
    const auto edit = rec.Finish();
    const ExRect movedTo = square->GetUpdateRect();
    const ExEditChange change = edit->Undo(m_doc);
    const ExRect movedFrom = square->GetUpdateRect();
    EXPECT_EQ(change.parts, (std::vector<CExParts*>{square}));
    EXPECT_EQ(change.rect.left, movedFrom.left);
    EXPECT_EQ(change.rect.right, movedTo.right);
    EXPECT_EQ(change.rect.top, movedTo.top);
    EXPECT_EQ(change.rect.bottom, movedTo.bottom);
}

TEST_F(EditTest, PuttingBackAPillarRecountsTheAreas) {
    CExEditRecorder rec(m_doc, "remove");
    rec.Remove(pillar);
    area->UpdateParts();
    EXPECT_EQ(static_cast<CExArea*>(area)->GetPillarCount(), 0);
    const auto edit = rec.Finish();
    const ExEditChange change = edit->Undo(m_doc);
    EXPECT_EQ(static_cast<CExArea*>(area)->GetPillarCount(), 1);
    EXPECT_EQ(change.parts, (std::vector<CExParts*>{ruler, pillar, area}));
}

TEST_F(EditTest, AOneMoveEditHoldsTheRecordOfWhatMovedOnly) {
    CExEditRecorder rec(m_doc, "move");
    Move(rec, text, {100000, 0});
    const auto edit = rec.Finish();
    const std::size_t record = RecordOf(*text).size();
    EXPECT_EQ(edit->Parts(), (std::vector<CExParts*>{text}));
    EXPECT_GE(edit->MemoryBytes(), 2 * record);
    EXPECT_LT(edit->MemoryBytes(), 2 * record + 1024);
}

TEST_F(EditTest, AnEditKeepsThePartsItTookOut) {
    CExEditRecorder rec(m_doc, "remove");
    rec.Remove(image);
    const auto edit = rec.Finish();
    EXPECT_GT(edit->MemoryBytes(), 64u * 32u * 2u);
}

} // namespace
