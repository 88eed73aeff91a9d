#pragma once

// A drawing with one element of every kind and a few of the same code, for the bill of
// materials: walls, rooms, pillars, furniture, text, an image, a ruler, two areas (one round a
// pillar), cables of two kinds with height corrections, a wiring-layer part, and names a CSV
// file must put in quotes. Built under the active view, which must show the drawing (areas find
// their pillars through it).

#include "Cp932.h"
#include "KORVANEXDoc.h"
#include "support/PlacedParts.h"

#include <string>

namespace everykind {

inline std::string Sjis(const char* utf8) {
    return cp932::FromUtf8(utf8).value();
}

inline void Build(CKORVANEXDoc& doc) {
    AddWall(doc, {1500000, 1500000}, 1000000, 20000)->SetPartsName(Sjis("外壁"));
    AddRoom(doc, 30203, {1500000, 1500000})->SetPartsName(Sjis("6畳"));
    AddPillar(doc, {500000, 500000}, 30000)->SetPartsName(Sjis("柱"));
    AddGeneralPart(doc, {800000, 800000}, 50000)->SetPartsName(Sjis("机, 大"));
    AddGeneralPart(doc, {900000, 800000}, 50000)->SetPartsName(Sjis("机B"));
    AddText(doc, Sjis("会議室"), {1200000, 1200000}, 10000, 10000);
    AddImage(doc, {1800000, 1800000}, 100000, 100000);
    AddRuler(doc, {0, 1500000}, {500000, 1500000})->SetPartsName(Sjis("距離"));
    AddArea(doc, {{0, 0}, {1000000, 0}, {1000000, 1000000}, {0, 1000000}})
        ->SetPartsName(Sjis("面積"));
    AddCable(doc, {{0, 0}, {300000, 0}, {300000, 400000}}, 50);
    AddArea(doc, {{2000000, 0}, {2200000, 0}, {2200000, 300000}, {2000000, 300000}})
        ->SetPartsName(Sjis("面積"));
    AddCable(doc, {{0, 0}, {100005, 0}}, 0);
    CExWiringParts* telephone = AddCable(doc, {{0, 0}, {0, 250000}}, 20);
    telephone->SetPartsCode(50101);
    telephone->SetPartsName(Sjis("電話線"));
    auto outlet = SquareItem(50201, 20000);
    outlet->SetPartsName(Sjis("コンセント"));
    Place(doc, CExGeneralParts::CreateFromLibrary(*outlet, {400000, 400000}));
    auto shelf = SquareItem(70102, 40000);
    shelf->SetPartsName(Sjis("棚\"A\"\r\n2段"));
    Place(doc, CExGeneralParts::CreateFromLibrary(*shelf, {600000, 900000}));
}

// Its bill of materials: areas one by one (the first less its pillar of 0.3 m square), the
// LAN cables' 3 m + 4 m + 50 cm and 1.00005 m (whole centimetres) + 0 cm, the telephone
// cable's 2.5 m + 20 cm.
inline constexpr const char* kCsv = "\xEF\xBB\xBF"
                                    "部品名,部品コード,数量,長さ(m),面積(㎡)\r\n"
                                    "外壁,10101,1,,\r\n"
                                    "6畳,30203,1,,\r\n"
                                    "柱,20102,1,,\r\n"
                                    "\"机, 大\",70101,2,,\r\n"
                                    "会議室,888888,1,,\r\n"
                                    "画像,999999,1,,\r\n"
                                    "距離,777777,1,,\r\n"
                                    "面積,666666,1,,99.910\r\n"
                                    "面積,666666,1,,6.000\r\n"
                                    "\"棚\"\"A\"\"\r\n2段\",70102,1,,\r\n"
                                    "LANケーブル,50102,2,8.50,\r\n"
                                    "電話線,50101,1,2.70,\r\n"
                                    "コンセント,50201,1,,\r\n";

} // namespace everykind
