#pragma once

// Parts of every kind, brought up to date at the active view, and the bytes of records and
// drawings, for the tests of hit rules, editing commands, drags and undo.

#include "ExArchive.h"
#include "ExArea.h"
#include "ExGeneralParts.h"
#include "ExImageParts.h"
#include "ExMeasure.h"
#include "ExOuterWallParts.h"
#include "ExPillarParts.h"
#include "ExRoomParts.h"
#include "ExStringParts.h"
#include "ExWiringParts.h"
#include "KORVANEXDoc.h"
#include "support/ImageBuilder.h"
#include "support/ShapeBuilder.h"

#include <initializer_list>
#include <memory>
#include <string>

namespace editdrawing {

template <class Part> std::unique_ptr<Part> Updated(std::unique_ptr<Part> part) {
    part->UpdateParts();
    part->RecalcParts();
    return part;
}

// A library item whose shape fills its box, of a code and size.
inline std::unique_ptr<CExGeneralParts> Item(int code, int size, const std::string& shape) {
    auto item = std::make_unique<CExGeneralParts>();
    item->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    item->SetPartsCode(code);
    item->SetPartsName("item");
    item->SetColor(0x00506478);
    item->SetWidth(size);
    item->SetHeight(size);
    return item;
}

inline std::string SquareShape() {
    return ShapeBuilder().FullSquare().End().Bytes();
}

// A square library part of a side (drawing units) centred at a point.
inline std::unique_ptr<CExGeneralParts> Square(ExPoint at, int side = 100000, int angle = 0) {
    auto part = CExGeneralParts::CreateFromLibrary(*Item(70101, side, SquareShape()), at);
    part->SetAngle(angle);
    return Updated(std::move(part));
}

// A square outer wall of a side centred at a point (the drawing defaults' thickness).
inline std::unique_ptr<CExOuterWallParts> Wall(ExPoint at, int side = 400000) {
    return Updated(CExOuterWallParts::CreateFromLibrary(*Item(10101, side, SquareShape()), at));
}

// A six-mat room centred at a point.
inline std::unique_ptr<CExRoomParts> Room(ExPoint at, int side = 400000) {
    return Updated(CExRoomParts::CreateFromLibrary(*Item(30203, side, SquareShape()), at));
}

// A 30 cm square pillar centred at a point.
inline std::unique_ptr<CExPillarParts> Pillar(ExPoint at) {
    return Updated(CExPillarParts::CreateFromLibrary(*Item(20102, 30000, SquareShape()), at));
}

// A LAN cable through the points, with a thick dotted pen and a height correction.
inline std::unique_ptr<CExWiringParts> Cable(std::initializer_list<ExPoint> points) {
    auto cable = std::make_unique<CExWiringParts>();
    auto it = points.begin();
    cable->StartCable(2, *it, {}, 35);
    cable->SetLastPoint(*++it);
    while (++it != points.end()) {
        cable->AddPoint(*it);
    }
    cable->SetLineWidth(80);
    cable->SetLineStyle(2);
    return Updated(std::move(cable));
}

// A text centred at a point, with a thick stroke.
inline std::unique_ptr<CExStringParts> Text(ExPoint at, const std::string& text = "AB") {
    auto part = std::make_unique<CExStringParts>();
    part->InsertString(text, -1);
    part->SetPosition(at.x, at.y);
    part->SetWidth(40000);
    part->SetHeight(40000);
    part->SetLineWidth(CExStringParts::kStrokeThick);
    return Updated(std::move(part));
}

// A 64 x 32 picture centred at a point.
inline std::unique_ptr<CExImageParts> Image(ExPoint at) {
    auto image = std::make_unique<CExImageParts>(at.x, at.y);
    Picture picture(64, 32);
    picture.Set(3, 4, kBlackPixel);
    image->MakeStoredImage(picture.View());
    image->SetPartsCode(excode::kImage);
    return Updated(std::move(image));
}

// An area measurement clicked out at the corners.
inline std::unique_ptr<CExArea> Area(std::initializer_list<ExPoint> corners) {
    auto area = std::make_unique<CExArea>();
    auto it = corners.begin();
    area->AddPoint(*it);
    area->SetLastPoint(*++it);
    while (++it != corners.end()) {
        area->AddPoint(*it);
    }
    area->SetLabelWidth(20000);
    area->SetLabelHeight(30000);
    area->SetPartsCode(excode::kArea);
    area->UpdateParts();
    return area;
}

// A ruler between two points, each end attached to the topmost part under it in the drawing.
inline std::unique_ptr<CExMeasure> Ruler(const CKORVANEXDoc& doc, ExPoint a, ExPoint b) {
    auto ruler = std::make_unique<CExMeasure>();
    std::vector<CExParts*> elements;
    for (const auto& element : doc.Elements()) {
        elements.push_back(element.get());
    }
    ruler->SetLabelSize(20000, 30000);
    ruler->AttachEnd(0, a, elements);
    ruler->AttachEnd(1, b, elements);
    ruler->SetStyle(CExMeasure::kStyleDimension);
    return Updated(std::move(ruler));
}

inline std::string RecordOf(CExParts& part) {
    CExArchive ar;
    part.Serialize(ar);
    return ar.TakeStored();
}

inline std::string DrawingBytes(CKORVANEXDoc& doc) {
    CExArchive ar;
    doc.Serialize(ar);
    return ar.TakeStored();
}

} // namespace editdrawing
