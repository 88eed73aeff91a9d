#include "ExEdit.h"
#include "ExHeadlessView.h"
#include "ExHitTest.h"
#include "support/PlacedParts.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

// The index must answer exactly what a walk of the drawing's list answers, whatever was done to
// the drawing: these tests make random drawings, edit them at random (list operations, moves,
// resizes, redraw marks, undo and redo, a new zoom) and compare after every step.
namespace {

constexpr int kSheet = 2000000; // 20 m in drawing units

bool Meets(const ExRect& a, const ExRect& b) {
    const auto [aLeft, aRight] = std::minmax(a.left, a.right);
    const auto [aLow, aHigh] = std::minmax(a.top, a.bottom);
    const auto [bLeft, bRight] = std::minmax(b.left, b.right);
    const auto [bLow, bHigh] = std::minmax(b.top, b.bottom);
    return aLeft <= bRight && bLeft <= aRight && aLow <= bHigh && bLow <= aHigh;
}

std::vector<CExParts*> Walk(const CKORVANEXDoc& doc, auto keep) {
    std::vector<CExParts*> parts;
    for (const auto& element : doc.Elements()) {
        if (keep(*element)) {
            parts.push_back(element.get());
        }
    }
    return parts;
}

CExParts* TopmostByWalk(const CKORVANEXDoc& doc, ExPoint p, const ExHitContext& context) {
    const auto& elements = doc.Elements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        if (HitPart(**it, p, context)) {
            return it->get();
        }
    }
    return nullptr;
}

class PartsIndexTest : public ::testing::Test {
protected:
    PartsIndexTest() { m_view.SetDocument(&m_doc); }

    int Coordinate() { return std::uniform_int_distribution<int>(0, kSheet)(m_random); }
    ExPoint Point() { return {Coordinate(), Coordinate()}; }
    ExPoint ViewPoint() {
        ExPoint p = Point();
        m_view.ToViewPoint(p);
        return p;
    }
    int Size() { return std::uniform_int_distribution<int>(5000, 400000)(m_random); }
    std::size_t Below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random);
    }
    bool Chance(int percent) {
        return std::uniform_int_distribution<int>(1, 100)(m_random) <= percent;
    }

    void AddRandomPart() {
        const ExPoint at = Point();
        switch (Below(8)) {
        case 0:
            AddPillar(m_doc, at, Size() / 4);
            break;
        case 1:
            AddWall(m_doc, at, Size(), 15000);
            break;
        case 2:
            AddRoom(m_doc, 30203, at, Size());
            break;
        case 3:
            AddText(m_doc, "ab", at, 10000, 10000);
            break;
        case 4:
            AddCable(m_doc, {at, Point(), Point()}, 0);
            break;
        case 5:
            AddRuler(m_doc, at, Point());
            break;
        case 6:
            AddArea(m_doc, {at, at + ExPoint{Size(), 0}, at + ExPoint{0, Size()}});
            break;
        default:
            AddGeneralPart(m_doc, at, Size(), static_cast<int>(Below(360)));
            break;
        }
    }

    CExParts* AnyPart() { return m_doc.ElementAt(Below(m_doc.GetElementCount())); }

    static void Recompute(CExParts& part) {
        part.UpdateParts();
        part.RecalcParts();
    }

    // One random change of the drawing, as the editor makes them.
    void EditAtRandom() {
        const std::size_t count = m_doc.GetElementCount();
        switch (count < 4 ? 0 : Below(9)) {
        case 0:
            AddRandomPart();
            break;
        case 1:
            m_taken.push_back(m_doc.TakeElementAt(Below(count)));
            break;
        case 2:
            if (!m_taken.empty()) {
                m_doc.InsertElementAt(Below(count + 1), std::move(m_taken.back()));
                m_taken.pop_back();
            }
            break;
        case 3: {
            const std::vector<std::size_t> positions = {0, count / 2, count - 1};
            auto taken = m_doc.TakeElementsAt(positions);
            m_doc.InsertElementsAt({1, 2, 3}, std::move(taken));
            break;
        }
        case 4:
            m_doc.MoveElement(Below(count), Below(count));
            break;
        case 5: {
            CExParts* part = AnyPart();
            const ExPoint to = Point();
            part->SetPosition(to.x, to.y);
            Recompute(*part);
            break;
        }
        case 6: {
            CExParts* part = AnyPart();
            part->SetWidth(Size());
            part->SetHeight(Size());
            Recompute(*part);
            break;
        }
        case 7:
            AnyPart()->SetRedrawFlag(Chance(50) ? 1 : 0);
            break;
        default:
            EditAndUndo();
            break;
        }
    }

    // A move and a removal recorded as one edit, undone, and sometimes redone.
    void EditAndUndo() {
        CExEditRecorder recorder(m_doc, "move");
        CExParts* moved = AnyPart();
        recorder.Touch(moved);
        const ExPoint to = Point();
        moved->SetPosition(to.x, to.y);
        Recompute(*moved);
        CExParts* removed = AnyPart();
        if (removed != moved) {
            recorder.Remove(removed);
        }
        std::unique_ptr<CExEdit> edit = recorder.Finish();
        if (!edit) {
            return; // a part that does not move by its position, and nothing removed
        }
        edit->Undo(m_doc);
        if (Chance(50)) {
            edit->Redo(m_doc);
        }
        m_edits.push_back(std::move(edit));
    }

    void ExpectAgreesWithTheList() {
        const CExPartsIndex& index = m_doc.PartsIndex();
        for (std::size_t i = 0; i < m_doc.GetElementCount(); ++i) {
            ASSERT_EQ(m_doc.FindElement(m_doc.ElementAt(i)), static_cast<int>(i));
        }
        for (const auto& taken : m_taken) {
            ASSERT_EQ(m_doc.FindElement(taken.get()), -1);
        }
        ASSERT_EQ(index.PartsToRedraw(),
                  Walk(m_doc, [](const CExParts& part) { return part.GetRedrawFlag() == 1; }));
        const ExHitContext context = HitContextOf(m_view);
        for (int probe = 0; probe < 20; ++probe) {
            // Half the probes at a part's corner, where hit tests are decided.
            const ExPoint a = probe % 2 == 0 || m_doc.GetElementCount() == 0
                                  ? ViewPoint()
                                  : AnyPart()->CornerPoints()[Below(4)];
            const ExPoint b = ViewPoint();
            const ExRect rect{a.x, a.y, b.x, b.y};
            ASSERT_EQ(index.PartsMeeting(rect), Walk(m_doc, [&](const CExParts& part) {
                          return Meets(part.GetUpdateRect(), rect);
                      }));
            ASSERT_EQ(HitTopmost(m_doc, a, context), TopmostByWalk(m_doc, a, context));
            const auto inside = PartsInsideRect(m_doc, rect, context);
            ASSERT_EQ(inside, Walk(m_doc, [&](const CExParts& part) {
                          const auto& corners = part.CornerPoints();
                          return IsGroupSelectable(part, context) &&
                                 std::all_of(corners.begin(), corners.end(), [&](ExPoint p) {
                                     return Meets({p.x, p.y, p.x, p.y}, rect);
                                 });
                      }));
        }
    }

    RecordingServices m_services;
    CExHeadlessView m_view{100, 20, 20};
    ExActiveViewScope m_active{&m_view};
    CKORVANEXDoc m_doc;
    std::mt19937 m_random;
    std::vector<std::unique_ptr<CExParts>> m_taken;
    std::vector<std::unique_ptr<CExEdit>> m_edits;
};

TEST_F(PartsIndexTest, AgreesWithAWalkOfTheListThroughRandomEdits) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        m_random.seed(seed);
        m_edits.clear();
        m_doc.RemoveAllElements();
        m_taken.clear();
        for (int i = 0; i < 60; ++i) {
            AddRandomPart();
        }
        for (int step = 0; step < 150; ++step) {
            SCOPED_TRACE(step);
            EditAtRandom();
            ASSERT_NO_FATAL_FAILURE(ExpectAgreesWithTheList());
        }
    }
}

TEST_F(PartsIndexTest, AgreesAfterANewZoomRecomputesEveryPart) {
    m_random.seed(7);
    for (int i = 0; i < 200; ++i) {
        AddRandomPart();
    }
    ASSERT_NO_FATAL_FAILURE(ExpectAgreesWithTheList());
    for (const int scale : {50, 500, 100}) {
        m_view.SetViewScale(scale);
        for (const auto& element : m_doc.Elements()) {
            Recompute(*element);
        }
        SCOPED_TRACE(scale);
        ASSERT_NO_FATAL_FAILURE(ExpectAgreesWithTheList());
    }
}

TEST_F(PartsIndexTest, APartLeavingTheDrawingIsForgottenAndCanJoinAnother) {
    CExParts* part = AddGeneralPart(m_doc, {500000, 500000}, 100000);
    const ExRect where = part->GetUpdateRect();
    std::unique_ptr<CExParts> taken = m_doc.RemoveElement(part);
    EXPECT_TRUE(m_doc.PartsIndex().PartsMeeting(where).empty());
    EXPECT_TRUE(m_doc.PartsIndex().PartsToRedraw().empty());
    CKORVANEXDoc other;
    other.AddElement(std::move(taken));
    EXPECT_EQ(other.PartsIndex().PartsMeeting(where), std::vector<CExParts*>{part});
    EXPECT_EQ(m_doc.FindElement(part), -1);
    EXPECT_EQ(other.FindElement(part), 0);
}

} // namespace
