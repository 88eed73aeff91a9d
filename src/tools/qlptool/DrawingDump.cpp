#include "DrawingDump.h"

#include "Cp932.h"
#include "ExArea.h"
#include "ExHeadlessView.h"
#include "ExImageParts.h"
#include "ExMeasure.h"
#include "ExParts.h"
#include "ExPillarParts.h"
#include "ExRoomParts.h"
#include "ExStringParts.h"
#include "ExWiringParts.h"
#include "KORVANEXDoc.h"

#include <algorithm>

namespace {

constexpr int kDumpDpi = 96;

// Keys only some kinds have.
void AddKindKeys(const CKORVANEXDoc& doc, const CExParts& element, nlohmann::ordered_json& out) {
    if (const auto* area = dynamic_cast<const CExArea*>(&element)) {
        out["areaText"] = area->GetAreaText();
        nlohmann::ordered_json points = nlohmann::ordered_json::array();
        for (int i = 0; i < area->GetPointCount(); ++i) {
            const ExPoint p = area->Points()[static_cast<std::size_t>(i)];
            points.push_back({p.x, p.y});
        }
        out["points"] = std::move(points);
    }
    if (const auto* ruler = dynamic_cast<const CExMeasure*>(&element)) {
        out["lengthText"] = ruler->GetLengthText();
        nlohmann::ordered_json ends = nlohmann::ordered_json::array();
        nlohmann::ordered_json attached = nlohmann::ordered_json::array();
        for (int i = 0; i < 2; ++i) {
            const CExMeasure::End& end = ruler->EndAt(i);
            ends.push_back({end.point.x, end.point.y});
            const int index = doc.FindElement(end.element);
            attached.push_back(index < 0 ? nlohmann::ordered_json()
                                         : nlohmann::ordered_json(index));
        }
        out["ends"] = std::move(ends);
        out["attached"] = std::move(attached);
    }
    if (const auto* wall = dynamic_cast<const CExWallThickness*>(&element)) {
        out["thickness"] = wall->GetThickness();
        out["rotation"] = wall->GetRotation();
    }
    if (const auto* room = dynamic_cast<const CExRoomParts*>(&element)) {
        out["layoutType"] = room->GetLayoutType();
        out["matLines"] = room->MatLines().size();
    }
    if (const auto* pillar = dynamic_cast<const CExPillarParts*>(&element)) {
        out["area"] = pillar->GetArea();
    }
    if (const auto* text = dynamic_cast<const CExStringParts*>(&element)) {
        out["text"] = cp932::ToUtf8(text->GetPartsName());
        out["strokeWidth"] = text->GetLineWidth();
        out["characters"] = text->Characters().size();
    }
    if (const auto* cable = dynamic_cast<const CExWiringParts*>(&element)) {
        out["lengthText"] = cable->GetLengthText();
        nlohmann::ordered_json points = nlohmann::ordered_json::array();
        for (int i = 0; i < cable->GetPointCount(); ++i) {
            const ExPoint p = cable->Points()[static_cast<std::size_t>(i)];
            points.push_back({p.x, p.y});
        }
        out["points"] = std::move(points);
        out["heightCorrection"] = cable->GetHeightCorrection();
        out["lineWidth"] = cable->GetLineWidth();
        out["lineStyle"] = cable->GetLineStyle();
    }
    if (const auto* image = dynamic_cast<const CExImageParts*>(&element)) {
        out["pixelSize"] = {image->GetImagePixelWidth(), image->GetImagePixelHeight()};
    }
}

nlohmann::ordered_json DumpElement(const CKORVANEXDoc& doc, std::size_t index, CExParts& element) {
    element.UpdateParts();
    element.RecalcParts();
    const ExPoint position = element.GetPosition();
    nlohmann::ordered_json out = {
        {"index", index},
        {"kind", element.GetRuntimeClassName()},
        {"code", element.GetPartsCode()},
        {"name", cp932::ToUtf8(element.GetPartsName())},
        {"position", {position.x, position.y}},
        {"width", element.GetWidth()},
        {"height", element.GetHeight()},
        {"angle", element.GetAngle()},
        {"color", element.GetColor()},
        {"lines", element.DrawLines().size()},
    };
    AddKindKeys(doc, element, out);
    return out;
}

} // namespace

CExHeadlessView DrawingView(const ExViewSettings& settings) {
    return CExHeadlessView(std::clamp(settings.viewScale, 10, 3000),
                           std::clamp(settings.mapWidth, 1, 1000),
                           std::clamp(settings.mapHeight, 1, 1000), kDumpDpi);
}

nlohmann::ordered_json DumpDrawing(CKORVANEXDoc& doc) {
    const ExViewSettings& v = doc.ViewSettings();
    CExHeadlessView view = DrawingView(v);
    view.SetDocument(&doc);
    ExActiveViewScope active(&view);

    nlohmann::ordered_json elements = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < doc.GetElementCount(); ++i) {
        elements.push_back(DumpElement(doc, i, *doc.ElementAt(i)));
    }
    return {
        {"version", cp932::ToUtf8(doc.GetFileVersion())},
        {"complete", doc.IsComplete()},
        {"viewMode", doc.GetViewMode()},
        {"tool", doc.GetEditTool()},
        {"center", {v.center.x, v.center.y}},
        {"zoom", v.zoom},
        {"zoomIndex", v.zoomIndex},
        {"viewScale", v.viewScale},
        {"sheet", {v.mapWidth, v.mapHeight}},
        {"showGrid", v.showGrid},
        {"showMeasure", v.showMeasure},
        {"showArea", v.showArea},
        {"elements", std::move(elements)},
    };
}
