#pragma once

// Twenty-line parts of 30 cm scattered over a sheet, turned and coloured at random but the same
// every run: the plan the view and print benchmarks measure.

#include "ExGeneralParts.h"
#include "KORVANEXDoc.h"
#include "support/TwentyLineShape.h"

#include <memory>
#include <random>
#include <string>

inline void AddScatteredParts(CKORVANEXDoc& doc, int parts, int mapWidthM, int mapHeightM) {
    const std::string shape = TwentyLineShape();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> x(20000, mapWidthM * 100000 - 20000);
    std::uniform_int_distribution<int> y(20000, mapHeightM * 100000 - 20000);
    std::uniform_int_distribution<int> angle(0, 359);
    for (int i = 0; i < parts; ++i) {
        auto part = std::make_unique<CExGeneralParts>();
        part->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
        part->SetWidth(30000);
        part->SetHeight(30000);
        part->SetPosition(x(random), y(random));
        part->SetAngle(angle(random));
        part->SetColor(ExRgb(i % 200, (i / 7) % 200, 90));
        doc.AddElement(std::move(part));
    }
}
