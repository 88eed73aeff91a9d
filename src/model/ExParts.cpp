#include "ExParts.h"

#include "ExAngle.h"
#include "ExException.h"
#include "ExPartsIndex.h"
#include "ExSaturate.h"
#include "ExViewContext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Sizes above this are divided before multiplying, so the product stays within 32 bits.
constexpr int kDivideFirstAbove = 99999;

int ScaleCoordinate(int value, int size) {
    if (size > kDivideFirstAbove) {
        return WrapToInt32(std::int64_t(size / 512) * value);
    }
    return WrapToInt32(std::int64_t(value) * size / 512);
}

std::int16_t ReadInt16(const char* bytes) {
    std::int16_t value;
    std::memcpy(&value, bytes, 2);
    return value;
}

} // namespace

double CExParts::AngleRadians(double degrees) const {
    return degrees * kPi / 180;
}

void CExParts::ScalePoint(ExPoint& point) const {
    point.x = ScaleCoordinate(point.x, m_nWidth);
    point.y = ScaleCoordinate(point.y, m_nHeight);
}

void CExParts::RotatePoint(ExPoint& point, double sine, double cosine) const {
    const double x = point.x;
    const double y = point.y;
    point.x = TruncateToInt32(x * cosine - y * sine);
    point.y = TruncateToInt32(y * cosine + x * sine);
}

void CExParts::UpdateParts() {
    try {
        UpdateShape();
        if (ConvertsBeforeTurning()) {
            ToViewDrawLines();
            RotateDrawLines();
        } else {
            RotateDrawLines();
            ToViewDrawLines();
        }
        OffsetDrawLines();
        UpdateDerived();
    } catch (...) {
        ReportCaughtException();
    }
}

void CExParts::UpdateShape() {
    ScaleSize();
    ScaleDrawLines();
}

bool CExParts::ScaleSize() {
    if (m_dScaleX == 1.0 && m_dScaleY == 1.0) {
        return false;
    }
    m_nWidth = TruncateToInt32(m_nWidth * m_dScaleX);
    m_nHeight = TruncateToInt32(m_nHeight * m_dScaleY);
    return true;
}

void CExParts::ScaleDrawLines() {
    ScaleShapePoints();
    const std::span<const ExStoredLine> stored = m_lstDrawLine.Stored();
    const std::span<ExViewLine> view = m_lstDrawLine.View();
    for (std::size_t i = 0; i < stored.size(); ++i) {
        view[i] = {stored[i].scaledStart, stored[i].scaledEnd};
    }
}

void CExParts::ScaleShapePoints() {
    // Parts of one shape at one size come to the same points: those are looked up, not copied.
    thread_local std::vector<ExStoredLine> scaled;
    const std::span<const ExStoredLine> stored = m_lstDrawLine.Stored();
    scaled.assign(stored.begin(), stored.end());
    for (ExStoredLine& line : scaled) {
        line.scaledStart = line.shapeStart;
        line.scaledEnd = line.shapeEnd;
        ScalePoint(line.scaledStart);
        ScalePoint(line.scaledEnd);
    }
    if (!std::ranges::equal(scaled, stored)) {
        m_lstDrawLine.ReplaceStored(scaled);
    }
}

void CExParts::MultiplyScaledPoints() {
    if (m_dScaleX == 1.0 && m_dScaleY == 1.0) {
        return;
    }
    for (ExStoredLine& line : m_lstDrawLine.MutableStored()) {
        for (ExPoint* p : {&line.scaledStart, &line.scaledEnd}) {
            p->x = TruncateToInt32(p->x * m_dScaleX);
            p->y = TruncateToInt32(p->y * m_dScaleY);
        }
    }
}

namespace {

template <class ViewLines, class Change> void ChangeViewPoints(ViewLines&& lines, Change change) {
    for (auto& line : lines) {
        change(line.viewStart);
        change(line.viewEnd);
    }
}

} // namespace

void CExParts::TurnScaledPoints(std::vector<CExPartsDrawLine>& lines, double sine,
                                double cosine) const {
    for (CExPartsDrawLine& line : lines) {
        line.viewStart = line.scaledStart;
        line.viewEnd = line.scaledEnd;
        RotatePoint(line.viewStart, sine, cosine);
        RotatePoint(line.viewEnd, sine, cosine);
    }
}

void CExParts::TurnScaledPoints(CExPartsLines& lines, double sine, double cosine) const {
    const std::span<const ExStoredLine> stored = lines.Stored();
    const std::span<ExViewLine> view = lines.View();
    for (std::size_t i = 0; i < stored.size(); ++i) {
        view[i] = {stored[i].scaledStart, stored[i].scaledEnd};
        RotatePoint(view[i].viewStart, sine, cosine);
        RotatePoint(view[i].viewEnd, sine, cosine);
    }
}

void CExParts::TurnViewPoints(std::vector<CExPartsDrawLine>& lines, double sine,
                              double cosine) const {
    ChangeViewPoints(lines, [&](ExPoint& p) { RotatePoint(p, sine, cosine); });
}

void CExParts::TurnViewPoints(CExPartsLines& lines, double sine, double cosine) const {
    ChangeViewPoints(lines.View(), [&](ExPoint& p) { RotatePoint(p, sine, cosine); });
}

void CExParts::ConvertViewPoints(const CExViewContext& view, std::vector<CExPartsDrawLine>& lines) {
    ChangeViewPoints(lines, [&](ExPoint& p) { view.ToViewPoint(p); });
}

void CExParts::ConvertViewPoints(const CExViewContext& view, CExPartsLines& lines) {
    ChangeViewPoints(lines.View(), [&](ExPoint& p) { view.ToViewPoint(p); });
}

void CExParts::ShiftViewPoints(std::vector<CExPartsDrawLine>& lines, ExPoint offset) {
    ChangeViewPoints(lines, [&](ExPoint& p) { Shift(p, offset); });
}

void CExParts::ShiftViewPoints(CExPartsLines& lines, ExPoint offset) {
    ChangeViewPoints(lines.View(), [&](ExPoint& p) { Shift(p, offset); });
}

void CExParts::RotateDrawLines() {
    const double radians = AngleRadians(m_nAngle);
    TurnViewPoints(m_lstDrawLine, std::sin(radians), std::cos(radians));
}

void CExParts::ToViewDrawLines() {
    if (const CExViewContext* view = GetActiveView()) {
        ConvertViewPoints(*view, m_lstDrawLine);
    }
}

void CExParts::OffsetDrawLines() {
    if (GetActiveView()) {
        ShiftViewPoints(m_lstDrawLine, ToActiveView(m_ptPosition));
    }
}

void CExParts::LoadShape(const char* data, unsigned length) {
    m_lstDrawLine.clear();
    ExPoint current;
    constexpr unsigned kRecordSize = 6;
    for (unsigned offset = 0, records = 0;
         records < kMaxShapeRecords && offset + kRecordSize <= length;
         offset += kRecordSize, ++records) {
        const char* record = data + offset;
        const ExPoint point{ReadInt16(record + 2), ReadInt16(record + 4)};
        const unsigned char command = static_cast<unsigned char>(record[0]);
        if (command == 0) {
            current = point;
        } else if (command == 1) {
            CExPartsDrawLine line;
            line.shapeStart = current;
            line.shapeEnd = point;
            m_lstDrawLine.push_back(line);
            current = point;
        } else {
            break;
        }
    }
}

void CExParts::SetRedrawFlag(int redraw) {
    m_bRedraw = redraw;
    if (redraw == 1 && m_pIndex) {
        m_pIndex->MarkedForRedraw(m_nIndexSlot);
    }
}

void CExParts::SetUpdateRect(const ExRect& rect) {
    if (rect == m_rcUpdate) {
        return;
    }
    m_rcUpdate = rect;
    if (m_pIndex) {
        m_pIndex->BoundsChanged(m_nIndexSlot);
    }
}

void CExParts::CopyParts(const CExParts& source) {
    m_nHeight = source.m_nHeight;
    m_crColor = source.m_crColor;
    m_nPartsCode = source.m_nPartsCode;
    m_strName = source.m_strName;
    m_ptPosition = source.m_ptPosition;
    SetRedrawFlag(source.m_bRedraw);
    m_bSelect = source.m_bSelect;
    m_nAngle = source.m_nAngle;
    m_nWidth = source.m_nWidth;
    AddDrawLinesOf(source);
}

void CExParts::SaveExtras(ExPartExtras& extras) const {
    extras.values = {m_nLineWidth, m_nLineStyle};
    extras.links.clear();
}

void CExParts::RestoreExtras(const ExPartExtras& extras) {
    if (extras.values.size() >= 2) {
        m_nLineWidth = extras.values[0];
        m_nLineStyle = extras.values[1];
    }
}

void CExParts::TakeLibraryItem(const CExParts& item, ExPoint position) {
    m_nPartsCode = item.GetPartsCode();
    m_strName = item.GetPartsName();
    m_ptPosition = position;
    if (item.GetHeight() > 0) {
        m_nWidth = item.GetWidth();
        m_nHeight = item.GetHeight();
    }
    m_crColor = item.GetColor();
    SetRedrawFlag(1);
}

std::string CExParts::GetCategoryName(int code) const {
    switch (code) {
    case 1:
        return "\x8a\x4f\x95\xc7"; // 外壁
    case 2:
        return "\x92\x8c"; // 柱
    case 3:
        return "\x95\x94\x89\xae"; // 部屋
    case 4:
        return "\x8c\x9a\x8b\xef"; // 建具
    case 5:
        return "\x93\x64\x8c\xb9\x81\x45\x83\x5a\x83\x93\x83\x54\x81\x5b\x97\xde"; // 電源・センサー類
    case 6:
        return "\x8b\xf3\x92\xb2\x81\x45\x8f\xc6\x96\xbe"; // 空調・照明
    case 7:
        return "\x83\x49\x83\x74\x83\x42\x83\x58\x90\xdd\x94\xf5"; // オフィス設備
    case 8:
        return "\x93\x58\x95\xdc\x90\xdd\x94\xf5"; // 店舗設備
    case 9:
        return "\x8d\x48\x8f\xea\x90\xdd\x94\xf5"; // 工場設備
    case 10:
        return "\x8a\x77\x8d\x5a\x90\xdd\x94\xf5"; // 学校設備
    case 11:
        return "\x89\xc6\x92\xeb\x97\x70\x89\xc6\x8b\xef"; // 家庭用家具
    case 12:
        return "\x94\xf5\x95\x69"; // 備品
    case 13:
        return "\x97\x56\x8b\xef"; // 遊具
    case 14:
        return "\x94\xc4\x97\x70\x95\x94\x95\x69"; // 汎用部品
    case 15:
        return "\x89\xae\x8a\x4f"; // 屋外
    case 16:
        return "KARDO";
    case 88:
        return "\x95\xb6\x8e\x9a"; // 文字
    case 99:
        return "\x89\xe6\x91\x9c"; // 画像
    default:
        return {};
    }
}

int CExParts::IsInDrawing() const {
    const CExViewContext* view = GetActiveView();
    if (!view) {
        return 1;
    }
    const std::int64_t width = std::int64_t(view->GetMapWidth()) * 100000;
    const std::int64_t height = std::int64_t(view->GetMapHeight()) * 100000;
    return m_ptPosition.x >= 0 && m_ptPosition.x <= width && m_ptPosition.y >= 0 &&
                   m_ptPosition.y <= height
               ? 1
               : 0;
}

void CExParts::MoveOrigin() {
    const CExViewContext* view = GetActiveView();
    if (!view) {
        return;
    }
    const ExPoint origin{view->ToDrawingLength(m_ptNewOrigin.x),
                         view->ToDrawingLength(m_ptNewOrigin.y)};
    ExPoint delta = origin - m_ptPosition;
    m_ptPosition = origin;
    // Turned back into the unrotated frame. A whole turn is none, and the result is rounded:
    // cut, it loses a unit wherever sine or cosine fall just short of a whole number, and the
    // shape would creep at every re-basing.
    const auto back = static_cast<int>(((360 - std::int64_t(m_nRotation)) % 360 + 360) % 360);
    if (back != 0) {
        const double radians = AngleRadians(back);
        const double sine = std::sin(radians);
        const double cosine = std::cos(radians);
        const double x = delta.x;
        const double y = delta.y;
        delta = {TruncateToInt32(std::round(x * cosine - y * sine)),
                 TruncateToInt32(std::round(y * cosine + x * sine))};
    }
    for (ExStoredLine& line : m_lstDrawLine.MutableStored()) {
        line.scaledStart = line.scaledStart - delta;
        line.scaledEnd = line.scaledEnd - delta;
    }
}

void CExParts::CalcExtent() {
    int maxX = 0;
    int minX = 0;
    int maxY = 0;
    int minY = 0;
    for (const ExStoredLine& line : m_lstDrawLine.Stored()) {
        for (const ExPoint& p : {line.scaledStart, line.scaledEnd}) {
            maxX = std::max(maxX, p.x);
            minX = std::min(minX, p.x);
            maxY = std::max(maxY, p.y);
            minY = std::min(minY, p.y);
        }
    }
    m_nExtentWidth = WrapToInt32(std::abs(std::int64_t(maxX)) + std::abs(std::int64_t(minX)));
    m_nExtentHeight = WrapToInt32(std::abs(std::int64_t(maxY)) + std::abs(std::int64_t(minY)));
}
