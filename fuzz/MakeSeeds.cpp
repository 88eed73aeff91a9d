// Writes the seed inputs of the fuzz targets, one folder per target, made with the tests'
// builders so that they can be made again whenever a format changes:
//   mkfuzzseeds <corpus folder> [<parts library folder>]
// A fuzzer that starts from valid files reaches the code behind the readers within seconds; one
// that starts from nothing rarely gets past the first check. Every drawing written is read back
// and must come out whole and byte for byte the same.

#include "ExArchive.h"
#include "ExArea.h"
#include "ExException.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExImageParts.h"
#include "ExMeasure.h"
#include "ExOuterWallParts.h"
#include "ExPillarParts.h"
#include "ExRoomParts.h"
#include "ExStringParts.h"
#include "ExVecFont.h"
#include "ExWiringParts.h"
#include "KORVANEXDoc.h"
#include "support/FontBuilder.h"
#include "support/ImageBuilder.h"
#include "support/ShapeBuilder.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Library shape files worth starting from: an outer wall with a notch, a round pillar, a
// tatami room, the room that follows its shape, a cable and a detailed piece of furniture.
constexpr const char* kLibraryCodes[] = {"010105", "020106", "030206",
                                         "030106", "050102", "070304"};

class SeedWriter {
public:
    explicit SeedWriter(fs::path root) : m_root(std::move(root)) {}

    void Write(const std::string& target, const std::string& name, const std::string& bytes) {
        const fs::path folder = m_root / target;
        fs::create_directories(folder);
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }

private:
    fs::path m_root;
};

// The glyphs the seeds' texts and labels use, each a stroke or two.
std::string TinyFont(int type) {
    FontBuilder font(type);
    if (type == 3) {
        return font.Glyph(1, 1, {0, 0, 0, 1, 255, 255, 0, 0, 255, 1, 255, 0}).Bytes();
    }
    if (type == 2) {
        return font.Bar(95, 1)
            .Glyph(114, 94, {0, 10, 10, 1, 240, 240})
            .RawEntry(96, 1, 0xFFFF)
            .Bytes();
    }
    for (int cell = 16; cell <= 25; ++cell) {
        font.Glyph(3, cell, {0, 64, 0, 1, 192, 0, 1, 192, 255, 1, 64, 255, 1, 64, 0});
    }
    return font.Bar(1, 5)
        .Bar(3, 33)
        .Bar(3, 77)
        .Glyph(5, 2, {0, 0, 255, 1, 255, 255, 1, 128, 0})
        .Glyph(16, 1, {0, 0, 128, 1, 255, 128, 0, 128, 0, 1, 128, 255})
        .Bar(95, 1)
        .Bytes();
}

std::unique_ptr<CExGeneralParts> Item(int code, int width, int height, ExColor color,
                                      const std::string& shape) {
    auto item = std::make_unique<CExGeneralParts>();
    item->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    item->SetPartsCode(code);
    item->SetWidth(width);
    item->SetHeight(height);
    item->SetColor(color);
    return item;
}

std::string Square() {
    return ShapeBuilder().FullSquare().End().Bytes();
}

// A desk with a chair: a square, a smaller square and a diagonal.
std::string Furniture() {
    return ShapeBuilder()
        .FullSquare()
        .Move(-100, 256)
        .Line(-100, 400)
        .Line(100, 400)
        .Line(100, 256)
        .Move(-256, -256)
        .Line(256, 256)
        .End()
        .Bytes();
}

CExParts* Add(CKORVANEXDoc& doc, std::unique_ptr<CExParts> element) {
    element->UpdateParts();
    element->RecalcParts();
    return doc.AddElement(std::move(element));
}

CExParts* AddPillar(CKORVANEXDoc& doc, ExPoint at) {
    return Add(doc, CExPillarParts::CreateFromLibrary(
                        *Item(20101, 30000, 30000, ExRgb(110, 110, 110), Square()), at));
}

CExParts* AddFurniture(CKORVANEXDoc& doc, ExPoint at, int angle) {
    auto part = CExGeneralParts::CreateFromLibrary(
        *Item(70101, 120000, 80000, ExRgb(40, 60, 160), Furniture()), at);
    part->SetPartsName("\x8a\xf7"); // 机
    part->SetAngle(angle);
    return Add(doc, std::move(part));
}

void AddRoom(CKORVANEXDoc& doc, int code, ExPoint at, int size) {
    Add(doc, CExRoomParts::CreateFromLibrary(*Item(code, size, size, ExRgb(160, 105, 50),
                                                   ShapeBuilder()
                                                       .Move(-256, -256)
                                                       .Line(256, -256)
                                                       .Line(256, 0)
                                                       .Line(0, 256)
                                                       .Line(-256, 256)
                                                       .Line(-256, -256)
                                                       .End()
                                                       .Bytes()),
                                             at));
}

void AddCable(CKORVANEXDoc& doc, int kind, std::vector<ExPoint> points) {
    auto cable = std::make_unique<CExWiringParts>();
    cable->StartCable(kind, points.front(), {}, 50);
    cable->SetLastPoint(points[1]);
    for (std::size_t i = 2; i < points.size(); ++i) {
        cable->AddPoint(points[i]);
    }
    cable->AddPoint(points.back());
    cable->FinishCable();
    Add(doc, std::move(cable));
}

void AddText(CKORVANEXDoc& doc, const std::string& text, ExPoint at, int angle, int stroke) {
    auto label = std::make_unique<CExStringParts>();
    label->SetWidth(40000);
    label->SetHeight(40000);
    label->SetPosition(at.x, at.y);
    label->SetAngle(angle);
    label->SetLineWidth(stroke);
    label->InsertString(text, -1);
    Add(doc, std::move(label));
}

void AddImage(CKORVANEXDoc& doc, CExHeadlessView& view, ExPoint at, int angle) {
    Picture picture(40, 24);
    for (int i = 0; i < 24; ++i) {
        picture.Set(i, i, kBlackPixel);
        picture.Set(39 - i, i, 0xFF3060C0);
    }
    auto image = CExImageParts::CreateImported(at, picture.View(), view, 1000, 750);
    image->SetAngle(angle);
    Add(doc, std::move(image));
}

void AddArea(CKORVANEXDoc& doc, const std::vector<ExPoint>& points) {
    auto area = std::make_unique<CExArea>();
    area->AddPoint(points.front());
    area->SetLastPoint(points[1]);
    for (std::size_t i = 2; i < points.size(); ++i) {
        area->AddPoint(points[i]);
    }
    area->SetLabelWidth(33000);
    area->SetLabelHeight(33000);
    Add(doc, std::move(area));
}

void AddRuler(CKORVANEXDoc& doc, ExPoint from, ExPoint to, int style) {
    std::vector<CExParts*> elements;
    for (const auto& element : doc.Elements()) {
        elements.push_back(element.get());
    }
    auto ruler = std::make_unique<CExMeasure>();
    ruler->SetLabelSize(33000, 33000);
    ruler->SetStyle(style);
    ruler->AttachEnd(0, from, elements);
    ruler->AttachEnd(1, to, elements);
    Add(doc, std::move(ruler));
}

// One element of every kind, the ruler attached to a pillar and a piece of furniture.
void EveryKind(CKORVANEXDoc& doc, CExHeadlessView& view) {
    Add(doc, CExOuterWallParts::CreateFromLibrary(
                 *Item(10101, 1000000, 800000, ExRgb(70, 70, 80), Square()), {700000, 600000}));
    AddRoom(doc, 30203, {400000, 400000}, 400000);
    AddPillar(doc, {300000, 300000});
    AddFurniture(doc, {900000, 500000}, 30);
    AddCable(doc, 2, {{250000, 150000}, {1100000, 150000}, {1100000, 900000}});
    AddText(doc, "AB\x88\x9f\xb1", {600000, 1200000}, 0, CExStringParts::kStrokeNormal);
    AddImage(doc, view, {1600000, 1600000}, 0);
    AddArea(doc, {{200000, 200000}, {600000, 200000}, {600000, 500000}, {200000, 500000}});
    AddRuler(doc, {300000, 300000}, {900000, 500000}, CExMeasure::kStyleDimension);
}

// Rooms of every floor layout side by side.
void Rooms(CKORVANEXDoc& doc, CExHeadlessView&) {
    AddRoom(doc, 30101, {300000, 300000}, 300000);
    AddRoom(doc, 30102, {700000, 300000}, 300000);
    AddRoom(doc, 30104, {1100000, 300000}, 300000);
    AddRoom(doc, 30106, {300000, 700000}, 300000);
    AddRoom(doc, 30206, {800000, 800000}, 500000);
}

// An area around two pillars, measured by rulers of each style, and the three cable kinds.
void Annotations(CKORVANEXDoc& doc, CExHeadlessView&) {
    AddPillar(doc, {100000, 100000});
    AddPillar(doc, {300000, 200000});
    AddArea(doc, {{0, 0}, {400000, 0}, {400000, 300000}, {200000, 350000}, {0, 300000}});
    AddRuler(doc, {100000, 100000}, {300000, 200000}, CExMeasure::kStyleNormal);
    AddRuler(doc, {50000, 400000}, {350000, 400000}, CExMeasure::kStyleAutomatic);
    AddCable(doc, 1, {{20000, 20000}, {380000, 20000}});
    AddCable(doc, 2, {{20000, 40000}, {380000, 40000}, {380000, 250000}});
    AddCable(doc, 3, {{20000, 60000}, {20000, 250000}, {300000, 280000}, {350000, 60000}});
}

// Texts and pictures turned, and furniture turned and mirrored by its scale.
void Turned(CKORVANEXDoc& doc, CExHeadlessView& view) {
    AddText(doc, "0123456789", {500000, 500000}, 45, CExStringParts::kStrokeThick);
    AddText(doc, "\xf0\x40\x81\x44m", {500000, 800000}, 270, CExStringParts::kStrokeThin);
    AddImage(doc, view, {1000000, 1000000}, 30);
    AddFurniture(doc, {300000, 1200000}, 200);
}

bool WriteDrawing(SeedWriter& seeds, const std::string& name,
                  void (*build)(CKORVANEXDoc&, CExHeadlessView&)) {
    CKORVANEXDoc doc;
    CExHeadlessView view(100, 25, 25, 96);
    view.SetDrawingView(true);
    view.SetDocument(&doc);
    ExActiveViewScope active(&view);
    build(doc, view);
    doc.ViewSettings().center = {1250000, 1250000};
    CExArchive out;
    doc.Serialize(out);
    const std::string bytes = out.TakeStored();

    CKORVANEXDoc loaded;
    CExArchive in(bytes);
    loaded.Serialize(in);
    CExArchive again;
    loaded.Serialize(again);
    if (!loaded.IsComplete() || loaded.GetElementCount() != doc.GetElementCount() ||
        again.TakeStored() != bytes) {
        std::cerr << "mkfuzzseeds: " << name << " does not read back as written\n";
        return false;
    }
    seeds.Write("fuzz_drawing", name, bytes);
    seeds.Write("fuzz_render", name, bytes);
    return true;
}

// The common record of elements of several shapes, as the base record alone.
void WriteCommonRecords(SeedWriter& seeds) {
    CExHeadlessView view(100, 25, 25, 96);
    ExActiveViewScope active(&view);
    CKORVANEXDoc doc;
    AddFurniture(doc, {500000, 500000}, 0);
    AddFurniture(doc, {800000, 300000}, 135);
    AddPillar(doc, {100000, 100000});
    const char* names[] = {"furniture.rec", "turned.rec", "pillar.rec"};
    for (std::size_t i = 0; i < doc.GetElementCount(); ++i) {
        CExArchive out;
        doc.ElementAt(i)->CExParts::Serialize(out);
        seeds.Write("fuzz_common_record", names[i], out.TakeStored());
    }
}

void WriteShapeFiles(SeedWriter& seeds, const fs::path& library) {
    seeds.Write("fuzz_shape_file", "square.qvf",
                ShapeFileHeader(140101, 0, 0, 0, 50000) + Square());
    seeds.Write("fuzz_shape_file", "furniture.qvf",
                ShapeFileHeader(70101, 40, 60, 160, 120000) + Furniture());
    if (library.empty()) {
        return;
    }
    for (const auto& entry : fs::recursive_directory_iterator(library)) {
        const std::string file = entry.path().filename().string();
        for (const char* code : kLibraryCodes) {
            if (entry.is_regular_file() && file.starts_with(code) && IsShapeFileName(file)) {
                std::ifstream in(entry.path(), std::ios::binary);
                seeds.Write("fuzz_shape_file", std::string("library-") + code + ".qvf",
                            std::string(std::istreambuf_iterator<char>(in), {}));
            }
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: mkfuzzseeds <corpus folder> [<parts library folder>]\n";
        return 2;
    }
    SeedWriter seeds(argv[1]);
    for (int type = 1; type <= 3; ++type) {
        seeds.Write("fuzz_vec_font", "type" + std::to_string(type) + ".qvf", TinyFont(type));
    }
    CExVecFont font;
    font.LoadVecFontBytes(TinyFont(1));
    SetVecFont(&font);
    bool written = true;
    written &= WriteDrawing(seeds, "every-kind.qlp", EveryKind);
    written &= WriteDrawing(seeds, "rooms.qlp", Rooms);
    written &= WriteDrawing(seeds, "annotations.qlp", Annotations);
    written &= WriteDrawing(seeds, "turned.qlp", Turned);
    written &= WriteDrawing(seeds, "empty.qlp", [](CKORVANEXDoc&, CExHeadlessView&) {});
    WriteCommonRecords(seeds);
    WriteShapeFiles(seeds, argc == 3 ? fs::path(argv[2]) : fs::path());
    SetVecFont(nullptr);
    return written ? 0 : 1;
}
