// The selection frame of an image: it is built on the picture's placed corners, which are
// already turned and in view units, rather than on a shape.

#include "ExImageParts.h"

#include "ExException.h"

#include <cmath>

namespace {

constexpr int kUpdateMargin = 600;

} // namespace

void CExImageParts::CalcHandles() {
    for (std::size_t i = 0; i < m_ptCorner.size(); ++i) {
        m_ptCorner[i] = m_ptImageCorner[i];
    }
    SetHandlesFromCorners();
}

void CExImageParts::CalcFrameRegion() {
    const double radians = AngleRadians(m_nAngle);
    const double sine = std::sin(radians);
    const double cosine = std::cos(radians);
    for (std::size_t i = 0; i < m_ptFrame.size(); ++i) {
        ExPoint push = kFramePush[i];
        RotatePoint(push, sine, cosine);
        m_ptFrame[i] = m_ptCorner[i] + push;
    }
    m_rgnFrame = CExRgn({m_ptFrame.begin(), m_ptFrame.end()});
}

void CExImageParts::RotateHandles() {
    const double radians = AngleRadians(m_nAngle);
    RotatePoint(m_ptHandle[kRotationHandle], std::sin(radians), std::cos(radians));
}

void CExImageParts::RecalcParts() {
    try {
        CalcHandles();
        CalcFrameRegion();
        RotateHandles();
        CalcExtent();
        m_ptHandle[kRotationHandle] = m_ptHandle[kRotationHandle] + m_ptHandle[0];
        CalcHandleRects();
        m_rgnHit = CExRgn({m_ptCorner.begin(), m_ptCorner.end()});
        CalcUpdateRect(kUpdateMargin);
    } catch (...) {
        ReportCaughtException();
    }
}

int CExImageParts::CalcHandleRects() {
    m_rcHandle = HandleRectsAround(m_ptHandle);
    return 1;
}
