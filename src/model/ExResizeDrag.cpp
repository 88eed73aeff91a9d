#include "ExResizeDrag.h"

#include "ExAngle.h"
#include "ExEdit.h"
#include "ExEditCommands.h"
#include "ExKindIndex.h"
#include "ExMeasure.h"
#include "ExRulerFollow.h"
#include "ExSaturate.h"
#include "ExStringParts.h"
#include "ExViewContext.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// Handles of the top, bottom, left and right sides (corners belong to two).
bool MovesTop(int handle) {
    return handle == 0 || handle == 1 || handle == 7;
}
bool MovesBottom(int handle) {
    return handle == 3 || handle == 4 || handle == 5;
}
bool MovesLeft(int handle) {
    return handle == 1 || handle == 2 || handle == 3;
}
bool MovesRight(int handle) {
    return handle == 5 || handle == 6 || handle == 7;
}

int Clamped(std::int64_t size) {
    return static_cast<int>(std::clamp<std::int64_t>(size, CExResizeDrag::kMinimumSize, INT_MAX));
}

} // namespace

int CExResizeDrag::TurnedHandle(int handle, int rotation) {
    const int r = static_cast<int>((rotation % 360 + 360) % 360);
    const int back = r >= 45 && r <= 134    ? 2
                     : r >= 135 && r <= 224 ? 4
                     : r >= 225 && r <= 314 ? 6
                                            : 0;
    return ((handle - back) % 8 + 8) % 8;
}

double CExResizeDrag::TextWidthInCharacters(const CExParts& text) {
    const auto* string = dynamic_cast<const CExStringParts*>(&text);
    if (!string) {
        return 1.0;
    }
    double width = 0.0;
    for (const CExCharacter& character : string->Characters()) {
        width += character.IsHalfWidth() ? 0.5 : 1.0;
    }
    return width > 0.0 ? width : 1.0;
}

CExResizeDrag::CExResizeDrag(CExEditRecorder& recorder, const CExViewContext& view, CExParts& part,
                             int handle, ExPoint press)
    : m_recorder(recorder), m_view(view), m_part(part), m_nHandle(handle), m_ptPress(press) {
    const ExKind kind = KindOfElement(part);
    if (kind == ExKind::OuterWall || kind == ExKind::Room) {
        m_nHandle = TurnedHandle(handle, part.GetRotation());
    }
    m_rulers = RulersAttachedTo(recorder.Document(), {&part});
    recorder.Touch(&part);
}

std::vector<CExParts*> CExResizeDrag::Step(ExPoint pointer) {
    const ExPoint d = (pointer - m_ptPress) - m_ptApplied;
    // Movement while a side is held at its least size is not stored up.
    m_ptApplied = pointer - m_ptPress;
    // Turned back into the part's own axes. A whole turn is taken as none and the result is
    // rounded, not cut: with pi to twelve places a cut loses a unit at 0 or 180 degrees, at
    // every step of the drag.
    const int back = ((360 - m_part.GetAngle()) % 360 + 360) % 360;
    const double radians = back * kPi / 180;
    const double s = std::sin(radians);
    const double c = std::cos(radians);
    const std::int64_t twice = 2 * std::int64_t(m_view.GetViewScale());
    std::int64_t stepX = std::llround(d.x * c - d.y * s) * twice;
    const std::int64_t stepY = std::llround(d.y * c + d.x * s) * twice;
    if (m_part.GetPartsCode() == excode::kText) {
        stepX = static_cast<std::int64_t>(double(stepX) / TextWidthInCharacters(m_part));
    }
    const int width = m_part.GetWidth();
    const int height = m_part.GetHeight();
    int newWidth = width;
    int newHeight = height;
    if (MovesTop(m_nHandle)) {
        newHeight = Clamped(height + stepY);
    } else if (MovesBottom(m_nHandle)) {
        newHeight = Clamped(height - stepY);
    }
    if (MovesLeft(m_nHandle)) {
        newWidth = Clamped(width - stepX);
    } else if (MovesRight(m_nHandle)) {
        newWidth = Clamped(width + stepX);
    }
    // The parts multiply their size by the factors and cut it to whole units: half a unit more
    // keeps a quotient that falls a hair short from losing one.
    if (newWidth == width || width <= 0) {
        m_part.SetWidth(newWidth);
    } else {
        m_part.SetScaleX((newWidth + 0.5) / width);
    }
    if (newHeight == height || height <= 0) {
        m_part.SetHeight(newHeight);
    } else {
        m_part.SetScaleY((newHeight + 0.5) / height);
    }
    m_part.SetRedrawFlag(1);
    m_part.UpdateParts();
    m_part.SetScaleX(1.0);
    m_part.SetScaleY(1.0);
    m_part.RecalcParts();
    std::vector<CExParts*> changed{&m_part};
    changed.insert(changed.end(), m_rulers.begin(), m_rulers.end());
    return changed;
}

std::vector<CExParts*> CExResizeDrag::Finish() {
    if (KindOfElement(m_part) != ExKind::Pillar) {
        return {};
    }
    return RecomputeAreas(m_recorder.Document());
}
