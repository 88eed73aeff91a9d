#pragma once

#include "ExGeneralParts.h"
#include "KORVANEXDoc.h"
#include "support/ShapeBuilder.h"

#include <QImage>

#include <memory>
#include <string>

// A square general part of the given size (drawing units) centred at a point.
inline CExParts* AddSquare(CKORVANEXDoc& doc, ExPoint centre, int size, ExColor color,
                           int partsCode = 70101) {
    auto part = std::make_unique<CExGeneralParts>();
    const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
    part->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    part->SetWidth(size);
    part->SetHeight(size);
    part->SetPosition(centre.x, centre.y);
    part->SetColor(color);
    part->SetPartsCode(partsCode);
    return doc.AddElement(std::move(part));
}

// A part that counts how often it is recomputed and drawn, and can pose as another kind.
class CountingPart final : public CExGeneralParts {
public:
    explicit CountingPart(const char* className = kClassName) : m_className(className) {}
    const char* GetRuntimeClassName() const override { return m_className; }
    void UpdateParts() override {
        ++updates;
        CExGeneralParts::UpdateParts();
    }
    int DrawParts(CExDC* dc) override {
        ++draws;
        return CExGeneralParts::DrawParts(dc);
    }
    int updates = 0;
    int draws = 0;

private:
    const char* m_className;
};

inline CountingPart* AddCounting(CKORVANEXDoc& doc, ExPoint centre, int size, ExColor color,
                                 const char* className = CExGeneralParts::kClassName) {
    auto part = std::make_unique<CountingPart>(className);
    const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
    part->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    part->SetWidth(size);
    part->SetHeight(size);
    part->SetPosition(centre.x, centre.y);
    part->SetColor(color);
    part->SetPartsCode(70101);
    return static_cast<CountingPart*>(doc.AddElement(std::move(part)));
}

// A colour as the pictures hold it, from a model colour 0x00BBGGRR.
inline QRgb ToRgb(ExColor color) {
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// Whether the colour is found at a pixel or one of its eight neighbours.
inline bool ColourNear(const QImage& image, QPoint pixel, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = pixel + QPoint(dx, dy);
            if (image.rect().contains(p) && (image.pixel(p) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
                return true;
            }
        }
    }
    return false;
}
