#pragma once

#include "ExEdit.h"
#include "ExHeadlessView.h"
#include "support/EditDrawing.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

// A drawing at 1/100 (one view unit is exactly a drawing unit / 100) holding a part of every
// kind, each brought up to date: a square with a ruler from it to a pillar inside an area, a
// wall, a room, a text, an image and a cable.
class EditFixture : public ::testing::Test {
protected:
    EditFixture() {
        using namespace editdrawing;
        m_view.SetDocument(&m_doc);
        wall = m_doc.AddElement(Wall({1500000, 500000}));
        room = m_doc.AddElement(Room({1500000, 1500000}));
        square = m_doc.AddElement(Square({500000, 500000}));
        pillar = m_doc.AddElement(Pillar({500000, 1500000}));
        area = m_doc.AddElement(
            Area({{300000, 1300000}, {700000, 1300000}, {700000, 1700000}, {300000, 1700000}}));
        text = m_doc.AddElement(Text({2000000, 2000000}));
        image = m_doc.AddElement(Image({2000000, 500000}));
        cable = m_doc.AddElement(Cable({{100000, 2200000}, {900000, 2200000}, {900000, 2400000}}));
        ruler = static_cast<CExMeasure*>(
            m_doc.AddElement(Ruler(m_doc, {500000, 500000}, {500000, 1500000})));
        area->UpdateParts();
    }

public:
    std::string Bytes() { return editdrawing::DrawingBytes(m_doc); }
    int Position(const CExParts* part) const { return m_doc.FindElement(part); }
    void SelectOnly(std::initializer_list<CExParts*> parts) {
        m_doc.Selection().Clear();
        for (CExParts* part : parts) {
            m_doc.Selection().Add(part);
        }
    }

    // Makes an edit and checks that undo gives back the drawing as it was and redo as the edit
    // left it, byte for byte, twice over.
    void ExpectUndoAndRedo(const std::string& name,
                           const std::function<void(CExEditRecorder&)>& change) {
        SCOPED_TRACE(name);
        const std::string before = Bytes();
        CExEditRecorder rec(m_doc, name);
        change(rec);
        const std::unique_ptr<CExEdit> edit = rec.Finish();
        ASSERT_TRUE(edit);
        EXPECT_EQ(edit->Name(), name);
        const std::string after = Bytes();
        EXPECT_NE(after, before);
        for (int round = 0; round < 2; ++round) {
            edit->Undo(m_doc);
            EXPECT_EQ(Bytes(), before);
            edit->Redo(m_doc);
            EXPECT_EQ(Bytes(), after);
        }
        edit->Undo(m_doc);
    }

    RecordingServices m_services;
    CExHeadlessView m_view{100, 25, 25, 2540};
    ExActiveViewScope m_active{&m_view};
    CKORVANEXDoc m_doc;
    CExParts* wall = nullptr;
    CExParts* room = nullptr;
    CExParts* square = nullptr;
    CExParts* pillar = nullptr;
    CExParts* area = nullptr;
    CExParts* text = nullptr;
    CExParts* image = nullptr;
    CExParts* cable = nullptr;
    CExMeasure* ruler = nullptr;
};
