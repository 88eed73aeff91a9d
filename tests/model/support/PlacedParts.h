#pragma once

// One part of every kind a property dialog edits, placed in a drawing and brought up to date
// (updated and recomputed under the active view), as the view has them when it opens a dialog.

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
#include "support/ShapeBuilder.h"
#include "support/WallBuilder.h"

#include <memory>
#include <string>
#include <vector>

template <typename Part> Part* Place(CKORVANEXDoc& doc, std::unique_ptr<Part> part) {
    part->UpdateParts();
    part->RecalcParts();
    return static_cast<Part*>(doc.AddElement(std::move(part)));
}

// A library item whose shape is the square filling its whole box.
inline std::unique_ptr<CExGeneralParts> SquareItem(int code, int size, ExColor color = 0x00405060) {
    auto item = std::make_unique<CExGeneralParts>();
    const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
    item->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    item->SetPartsCode(code);
    item->SetPartsName("item");
    item->SetColor(color);
    item->SetWidth(size);
    item->SetHeight(size);
    return item;
}

// A square library part (code 70101, an office part) of a size in drawing units.
inline CExGeneralParts* AddGeneralPart(CKORVANEXDoc& doc, ExPoint centre, int size, int angle = 0) {
    auto part = CExGeneralParts::CreateFromLibrary(*SquareItem(70101, size), centre);
    part->SetAngle(angle);
    return Place(doc, std::move(part));
}

inline CExPillarParts* AddPillar(CKORVANEXDoc& doc, ExPoint centre, int size) {
    return Place(doc, CExPillarParts::CreateFromLibrary(*SquareItem(20102, size), centre));
}

// An outer wall whose centre line is the square of +-half about its position.
inline CExOuterWallParts* AddWall(CKORVANEXDoc& doc, ExPoint centre, int half, int thickness,
                                  int rotation = 0) {
    auto wall = WallAlong(
        Chain({{-half, half}, {-half, -half}, {half, -half}, {half, half}, {-half, half}}),
        thickness);
    wall->SetPartsCode(10101);
    wall->SetPosition(centre.x, centre.y);
    wall->SetRotation(rotation);
    return Place(doc, std::move(wall));
}

// A room from the library (30203 a six-mat room, 30102 flooring, 30106 a library shape).
inline CExRoomParts* AddRoom(CKORVANEXDoc& doc, int code, ExPoint centre, int size = 300000) {
    return Place(doc, CExRoomParts::CreateFromLibrary(*SquareItem(code, size), centre));
}

// A text of code page 932 bytes, characters of a width and height in drawing units.
inline CExStringParts* AddText(CKORVANEXDoc& doc, const std::string& text, ExPoint centre,
                               int characterWidth, int height) {
    auto part = std::make_unique<CExStringParts>();
    part->InsertString(text, -1);
    part->SetPosition(centre.x, centre.y);
    part->SetWidth(characterWidth);
    part->SetHeight(height);
    return Place(doc, std::move(part));
}

inline CExImageParts* AddImage(CKORVANEXDoc& doc, ExPoint centre, int width, int height) {
    auto image = std::make_unique<CExImageParts>(centre.x, centre.y);
    image->SetPartsCode(excode::kImage);
    image->SetPartsName("\x89\xe6\x91\x9c"); // 画像
    image->SetWidth(width);
    image->SetHeight(height);
    return Place(doc, std::move(image));
}

// A LAN cable through the points (drawing units) with a height correction in centimetres.
inline CExWiringParts* AddCable(CKORVANEXDoc& doc, const std::vector<ExPoint>& points,
                                int heightCorrection) {
    auto cable = std::make_unique<CExWiringParts>();
    cable->StartCable(2, points.at(0), {}, heightCorrection);
    cable->SetLastPoint(points.at(1));
    for (std::size_t i = 2; i < points.size(); ++i) {
        cable->AddPoint(points[i]);
    }
    return Place(doc, std::move(cable));
}

// A ruler whose ends are attached to whatever part of the drawing lies under them.
inline CExMeasure* AddRuler(CKORVANEXDoc& doc, ExPoint a, ExPoint b) {
    std::vector<CExParts*> elements;
    for (const auto& element : doc.Elements()) {
        elements.push_back(element.get());
    }
    auto ruler = std::make_unique<CExMeasure>();
    ruler->SetPartsCode(excode::kMeasure);
    ruler->SetLabelSize(20000, 30000);
    ruler->AttachEnd(0, a, elements);
    ruler->AttachEnd(1, b, elements);
    return Place(doc, std::move(ruler));
}

// An area measurement over the polygon of the points (drawing units). It finds its pillars
// through the active view's drawing.
inline CExArea* AddArea(CKORVANEXDoc& doc, const std::vector<ExPoint>& points) {
    auto area = std::make_unique<CExArea>();
    area->AddPoint(points.at(0));
    area->SetLastPoint(points.at(1));
    for (std::size_t i = 2; i < points.size(); ++i) {
        area->AddPoint(points[i]);
    }
    area->SetPartsCode(excode::kArea);
    area->SetLabelWidth(20000);
    area->SetLabelHeight(30000);
    return Place(doc, std::move(area));
}
