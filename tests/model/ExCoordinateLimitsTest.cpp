// Every kind at the edges of the 32-bit drawing range: positions, sizes, angles and stored points
// of -2147483648 and 2147483647, as a damaged or hostile drawing file can hold them. Each kind
// goes through its update, frame, drawing, grips and thumbnail with and without a view (the
// sanitizer build stops on any arithmetic that leaves the range), and what it derives from those
// values comes out as the arithmetic means it.

#include "ExArchive.h"
#include "ExArea.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExImageParts.h"
#include "ExMeasure.h"
#include "ExOuterWallParts.h"
#include "ExPillarParts.h"
#include "ExRoomParts.h"
#include "ExStringParts.h"
#include "ExWiringParts.h"
#include "KORVANEXDoc.h"
#include "support/RecordingDC.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <ostream>

void PrintTo(const ExPoint& point, std::ostream* os) {
    *os << "(" << point.x << ", " << point.y << ")";
}

namespace {

constexpr int kMin = INT_MIN;
constexpr int kMax = INT_MAX;

// Where a shape point (kMax, kMin) lands in a 64-pixel thumbnail: an eighth of each from the
// centre, y turned down.
constexpr ExPoint kThumbnailCorner{32 + 268435455, 32 + 268435456};

CExPartsDrawLine CornerLine() {
    CExPartsDrawLine line;
    line.shapeStart = line.viewStart = line.scaledStart = {kMax, kMin};
    line.shapeEnd = line.viewEnd = line.scaledEnd = {kMin, kMax};
    return line;
}

template <class Part> std::unique_ptr<Part> AtTheLimits() {
    auto part = std::make_unique<Part>();
    part->SetWidth(kMax);
    part->SetHeight(kMax);
    part->SetAngle(kMin);
    part->SetRotation(kMin);
    part->SetPosition(kMax, kMin);
    part->AddDrawLine(CornerLine());
    part->AddDrawLine(CornerLine());
    return part;
}

// A text whose stored strokes reach the limits, read as a drawing file holds it.
std::unique_ptr<CExStringParts> TextAtTheLimits() {
    CExArchive out;
    for (const int value : {100, kMax, kMax, kMin, kMax, kMin}) {
        out.WriteInt32(value);
    }
    out.WriteString("a");
    for (const int value : {888888, 0, kMax, 1, 0, 1, 0, kMin, kMax, kMax, kMin, 1}) {
        out.WriteInt32(value);
    }
    for (const ExPoint& p :
         {ExPoint{kMax, kMin}, ExPoint{kMin, kMax}, ExPoint{kMax, kMin}, ExPoint{kMin, kMax}}) {
        out.WritePoint(p);
    }
    const std::string bytes = out.TakeStored();
    CExArchive in(bytes);
    auto text = std::make_unique<CExStringParts>();
    text->Serialize(in);
    return text;
}

std::unique_ptr<CExArea> AreaAtTheLimits() {
    auto area = std::make_unique<CExArea>();
    area->AddPoint({kMin, kMin});
    area->SetLastPoint({kMax, kMin});
    area->AddPoint({kMax, kMax});
    area->AddPoint({kMin, kMax});
    area->SetLabelWidth(1e300);
    area->SetLabelHeight(-1e300);
    return area;
}

std::unique_ptr<CExMeasure> RulerAtTheLimits() {
    auto ruler = std::make_unique<CExMeasure>();
    ruler->EndAt(0).point = {kMin, kMin};
    ruler->EndAt(1).point = {kMax, kMax};
    ruler->EndAt(0).attachAngle = kMin;
    ruler->SetLength(kMax);
    ruler->SetLabelSize(1e300, 1e300);
    return ruler;
}

std::unique_ptr<CExWiringParts> CableAtTheLimits() {
    auto cable = std::make_unique<CExWiringParts>();
    cable->StartCable(1, {kMax, kMax}, {}, kMax);
    cable->AddPoint({kMax, kMax});
    return cable;
}

std::unique_ptr<CExImageParts> ImageAtTheLimits() {
    auto image = AtTheLimits<CExImageParts>();
    const std::uint32_t pixels[4] = {0xFFFFFF, 0, 0, 0xFFFFFF};
    image->MakeStoredImage({2, 2, pixels, 2});
    return image;
}

// Everything a drawing does with an element.
void Exercise(CExParts& part) {
    part.UpdateParts();
    part.RecalcParts();
    RecordingDC dc;
    part.DrawParts(&dc);
    part.DrawPartsLight(&dc);
    part.DrawHandles(&dc);
    part.CreateThumbnail(&dc, 64, 64);
    part.CalcVertexHandles();
    part.IsInDrawing();
    part.SetNewOrigin({kMin, kMax});
    part.MoveOrigin();
    part.UpdateParts();
    part.RecalcParts();
}

ExPoint FirstThumbnailPoint(CExParts& part) {
    RecordingDC dc;
    part.CreateThumbnail(&dc, 64, 64);
    return dc.Calls().empty() ? ExPoint{} : dc.Calls().front().points.front();
}

struct LimitCase {
    const char* kind;
    std::function<std::unique_ptr<CExParts>()> make;
    // What the kind derives from the values at the limits, checked on a fresh element.
    std::function<void(CExParts&)> check;
};

const LimitCase kCases[] = {
    {"general part", [] { return AtTheLimits<CExGeneralParts>(); },
     [](CExParts& part) { EXPECT_EQ(FirstThumbnailPoint(part), kThumbnailCorner); }},
    {"pillar", [] { return AtTheLimits<CExPillarParts>(); },
     [](CExParts& part) { EXPECT_EQ(FirstThumbnailPoint(part), kThumbnailCorner); }},
    {"outer wall", [] { return AtTheLimits<CExOuterWallParts>(); },
     [](CExParts& part) {
         // Moving the origin turns the step back by 360 - rotation degrees, 128 here, to the
         // nearest unit.
         CExHeadlessView view(1, 25, 25, 2540);
         ExActiveViewScope active(&view);
         part.SetPosition(0, 0);
         part.DrawLines().MutableStored()[0].scaledStart = {0, 0};
         part.SetNewOrigin({1000, 0});
         part.MoveOrigin();
         EXPECT_EQ(part.DrawLines()[0].scaledStart, (ExPoint{616, -788}));
     }},
    {"room",
     [] {
         auto item = AtTheLimits<CExGeneralParts>();
         item->SetPartsCode(30202);
         auto room = CExRoomParts::CreateFromLibrary(*item, {kMax, kMin});
         room->SetMatWidth(kMax);
         room->SetMatLength(kMax);
         room->SetThickness(kMax);
         room->SetRotation(kMin);
         return room;
     },
     [](CExParts& part) { EXPECT_EQ(FirstThumbnailPoint(part), kThumbnailCorner); }},
    {"area", [] { return AreaAtTheLimits(); },
     [](CExParts& part) {
         part.UpdateParts();
         EXPECT_EQ(part.GetPosition(), (ExPoint{-1, 0})) << "the centre of the vertices' box";
     }},
    {"text", [] { return TextAtTheLimits(); },
     [](CExParts& part) { EXPECT_EQ(FirstThumbnailPoint(part), kThumbnailCorner); }},
    {"image", [] { return ImageAtTheLimits(); }, nullptr},
    {"ruler", [] { return RulerAtTheLimits(); },
     [](CExParts& part) {
         // The end turns by the angle it moved since it was attached: 255 degrees.
         auto& ruler = static_cast<CExMeasure&>(part);
         ruler.EndAt(0).point = {1000, 0};
         ruler.FollowPart(0, 0, kMax, 0);
         EXPECT_EQ(ruler.EndAt(0).point, (ExPoint{-258, -965}));
         // A length across the whole range would carry the second end off the sheet.
         CExHeadlessView view(1, 25, 25, 2540);
         ExActiveViewScope active(&view);
         ruler.EndAt(0).point = {0, 0};
         ruler.EndAt(1).point = {1, 0};
         EXPECT_FALSE(ruler.ApplyRulerLength({}));
         EXPECT_EQ(ruler.EndAt(1).point, (ExPoint{1, 0}));
     }},
    {"cable", [] { return CableAtTheLimits(); },
     [](CExParts& part) {
         part.UpdateParts();
         part.RecalcParts();
         EXPECT_EQ(part.CornerPoints()[1], (ExPoint{kMax, kMax})) << "the frame stops at the edge";
     }},
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.kind;
}

class CoordinateLimits : public ::testing::TestWithParam<LimitCase> {
protected:
    RecordingServices m_services;
};

TEST_P(CoordinateLimits, EveryStepHoldsAtTheEdgesOfTheRange) {
    const LimitCase& c = GetParam();
    Exercise(*c.make());

    CKORVANEXDoc doc;
    doc.AddElement(AtTheLimits<CExPillarParts>())->SetPartsCode(20101);
    CExHeadlessView view(1, kMax, kMax, 2540);
    view.SetDocument(&doc);
    {
        ExActiveViewScope active(&view);
        Exercise(*c.make());
    }
    if (c.check) {
        auto part = c.make();
        c.check(*part);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, CoordinateLimits, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             std::string name = info.param.kind;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

} // namespace
