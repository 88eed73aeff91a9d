#pragma once

#include "ExHeadlessView.h"
#include "support/EditDrawing.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <initializer_list>
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
