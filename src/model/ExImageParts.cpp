#include "ExImageParts.h"

#include "ExAppServices.h"
#include "ExDC.h"
#include "ExDibStretch.h"
#include "ExException.h"
#include "ExViewContext.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <new>

namespace {

constexpr int kHundredthsOfMmPerInch = 2540;
constexpr int kDefaultDpi = 96;
constexpr int kPlaceholderPenWidth = 2;
constexpr int kClientFraction = 5;
constexpr const char* kImageName = "\x89\xe6\x91\x9c"; // 画像

ExImageDisplay g_display;

int ValidDpi(int dpi) {
    return dpi > 0 ? dpi : kDefaultDpi;
}

// value * multiplier / divisor rounded half away from zero, saturated to int.
int ScaleRounded(int value, int multiplier, int divisor) {
    const std::int64_t product = std::int64_t(value) * multiplier;
    const std::int64_t half = divisor / 2;
    const std::int64_t result =
        product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    return static_cast<int>(std::clamp<std::int64_t>(result, INT_MIN, INT_MAX));
}

bool WithinWorkAreas(int width, int height) {
    const ExImageDisplay& display = GetImageDisplay();
    return std::int64_t(width) <=
               std::int64_t(CExImageParts::kWorkAreaLimit) * display.workAreaWidth &&
           std::int64_t(height) <=
               std::int64_t(CExImageParts::kWorkAreaLimit) * display.workAreaHeight;
}

std::int64_t StoredWidth(int width) {
    return (std::int64_t(std::max(width, 1)) + 31) / 32 * 32;
}

// The decoded pixels as they are, bottom row first.
CExDib16 CopyPixels(const ExImagePixels& picture) {
    CExDib16 copy(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y) {
        const std::uint32_t* in =
            picture.pixels + std::size_t(picture.height - 1 - y) * std::size_t(picture.stride);
        std::uint16_t* out = copy.Row(y);
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t p = in[x];
            out[x] = static_cast<std::uint16_t>(((p >> 9) & 0x7C00) | ((p >> 6) & 0x03E0) |
                                                ((p >> 3) & 0x001F));
        }
    }
    return copy;
}

} // namespace

const ExImageDisplay& GetImageDisplay() {
    return g_display;
}

void SetImageDisplay(const ExImageDisplay& display) {
    g_display = display;
}

int PixelsToHundredthsOfMm(int pixels, int dpi) {
    return ScaleRounded(pixels, kHundredthsOfMmPerInch, ValidDpi(dpi));
}

int HundredthsOfMmToPixels(int hundredthsOfMm, int dpi) {
    return ScaleRounded(hundredthsOfMm, ValidDpi(dpi), kHundredthsOfMmPerInch);
}

CExImageParts::CExImageParts() {
    m_nPartsCode = excode::kImage;
    m_strName = kImageName;
}

CExImageParts::CExImageParts(int x, int y) : CExImageParts() {
    m_ptPosition = {x, y};
}

int CExImageParts::GetImageError() const {
    return m_bImageError || m_bTooLarge || m_dibStored.IsEmpty() ? 1 : 0;
}

ExRect CExImageParts::GetRotViewRect() const {
    const ExPoint topLeft{m_nRotViewLeft, m_nRotViewTop};
    const ExPoint bottomRight = topLeft + ExPoint{m_nRotViewW, -m_nRotViewH};
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CExImageParts::ReleaseCopies() {
    m_dibScaled = {};
    m_dibRotated = {};
}

void CExImageParts::ReportNoMemory() {
    ReleaseCopies();
    m_bImageError = 1;
    AppServices().MessageBox(exmsg::kOutOfMemory, ExMessageIcon::Stop, ExMessageButtons::Ok);
}

void CExImageParts::SetStoredImage(CExDib16 picture, int dpi) {
    m_dibStored = std::move(picture);
    const ExBitmapInfoHeader sizes = ExBitmapInfoHeader::For(m_dibStored);
    m_bmiHeader.biWidth = sizes.biWidth;
    m_bmiHeader.biHeight = sizes.biHeight;
    m_bmiHeader.biSizeImage = sizes.biSizeImage;
    m_nImagePixelW = m_dibStored.Width();
    m_nImagePixelH = m_dibStored.Height();
    m_nImageMetricW = PixelsToHundredthsOfMm(m_nImagePixelW, dpi);
    m_nImageMetricH = PixelsToHundredthsOfMm(m_nImagePixelH, dpi);
}

int CExImageParts::MakeStoredImage(const ExImagePixels& picture, ExColor background) {
    if (!picture.IsValid()) {
        return 0;
    }
    const std::int64_t width = StoredWidth(picture.width);
    // The file's header counts the bits in an int32.
    if (width * picture.height * 2 > INT_MAX) {
        ReportNoMemory();
        return 0;
    }
    try {
        ReleaseCopies();
        m_dibStored = {};
        m_bmiHeader = {};
        SetStoredImage(width == picture.width
                           ? CopyPixels(picture)
                           : StretchPixels(picture, static_cast<int>(width), picture.height),
                       GetImageDisplay().dpi);
        m_crBack = background;
        return 1;
    } catch (const std::bad_alloc&) {
        ReportNoMemory();
        return 0;
    }
}

void CExImageParts::UpdateShape() {
    ScaleSize();
    if (const CExViewContext* view = GetActiveView()) {
        m_nViewW = view->ToViewLength(m_nWidth);
        m_nViewH = view->ToViewLength(m_nHeight);
    }
    ScaleDrawLines();
}

void CExImageParts::ScaleDrawLines() {
    const int w = m_nWidth / 2;
    const int h = m_nHeight / 2;
    const ExPoint outline[5] = {{-w, h}, {w, h}, {w, -h}, {-w, -h}, {-w, h}};
    std::array<ExStoredLine, 4> lines{};
    for (std::size_t i = 0; i < 4; ++i) {
        lines[i].scaledStart = outline[i];
        lines[i].scaledEnd = outline[i + 1];
    }
    m_lstDrawLine.ReplaceStored(lines);
}

void CExImageParts::ToViewDrawLines() {
    MakeScaledImage();
}

int CExImageParts::MakeScaledImage() {
    m_bTooLarge = 0;
    const CExViewContext* view = GetActiveView();
    if (!view) {
        return 0;
    }
    m_nScaledPixelW = std::max(1, HundredthsOfMmToPixels(m_nViewW, view->GetDpi()));
    m_nScaledPixelH = std::max(1, HundredthsOfMmToPixels(m_nViewH, view->GetDpi()));
    if (m_bImageError || m_dibStored.IsEmpty()) {
        ReleaseCopies();
        return 0;
    }
    if (!WithinWorkAreas(m_nScaledPixelW, m_nScaledPixelH)) {
        m_bTooLarge = 1;
        ReleaseCopies();
        return 0;
    }
    // A move keeps the size at the zoom: the copy made for it still serves.
    if (m_dibScaled.Width() == m_nScaledPixelW && m_dibScaled.Height() == m_nScaledPixelH) {
        return 1;
    }
    ReleaseCopies();
    try {
        m_dibScaled = StretchDib16(m_dibStored, m_nScaledPixelW, m_nScaledPixelH);
        return 1;
    } catch (const std::bad_alloc&) {
        ReportNoMemory();
        return 0;
    }
}

int CExImageParts::PrepareRotation() {
    m_rotation = PrepareDibRotation(m_nScaledPixelW, m_nScaledPixelH, m_nAngle);
    m_nRotPixelW = m_rotation.nWidth;
    m_nRotPixelH = m_rotation.nHeight;
    if (!WithinWorkAreas(m_nRotPixelW, m_nRotPixelH)) {
        m_bTooLarge = 1;
        ReleaseCopies();
        return 0;
    }
    return 1;
}

void CExImageParts::RotateDrawLines() {
    const CExViewContext* view = GetActiveView();
    if (!view) {
        return;
    }
    PlaceCorners(*view);
    if (m_dibScaled.IsEmpty() || !PrepareRotation()) {
        return;
    }
    if (m_dibRotated.IsEmpty() || m_nRotatedAngle != m_nAngle) {
        try {
            m_dibRotated = {};
            m_dibRotated = RotateDib16(m_dibScaled, m_rotation, ToDib16(m_crBack));
            m_nRotatedAngle = m_nAngle;
        } catch (const std::bad_alloc&) {
            ReportNoMemory();
            return;
        }
    }
    m_nRotViewW = PixelsToHundredthsOfMm(m_nRotPixelW, view->GetDpi());
    m_nRotViewH = PixelsToHundredthsOfMm(m_nRotPixelH, view->GetDpi());
    ExPoint centre = m_ptPosition;
    view->ToViewPoint(centre);
    const ExPoint topLeft = centre + ExPoint{-(m_nRotViewW / 2), m_nRotViewH / 2};
    m_nRotViewLeft = topLeft.x;
    m_nRotViewTop = topLeft.y;
}

void CExImageParts::PlaceCorners(const CExViewContext& view) {
    const double radians = AngleRadians(m_nAngle);
    const double sine = std::sin(radians);
    const double cosine = std::cos(radians);
    ExPoint centre = m_ptPosition;
    view.ToViewPoint(centre);
    const int w = m_nViewW / 2;
    const int h = m_nViewH / 2;
    const ExPoint corners[4] = {{-w, h}, {w, h}, {w, -h}, {-w, -h}};
    for (std::size_t i = 0; i < 4; ++i) {
        ExPoint corner = corners[i];
        RotatePoint(corner, sine, cosine);
        m_ptImageCorner[i] = corner + centre;
    }
    m_ptImageCorner[4] = m_ptImageCorner[0];
}

int CExImageParts::DrawParts(CExDC* dc) {
    if (!dc) {
        return 0;
    }
    try {
        if (GetImageError() || m_dibRotated.IsEmpty()) {
            DrawPlaceholder(*dc);
        } else {
            dc->PutBitmap(GetRotViewRect(), m_dibRotated, ExRasterOp::And);
        }
        return 1;
    } catch (...) {
        ReportCaughtException();
        return 0;
    }
}

void CExImageParts::DrawPlaceholder(CExDC& dc) const {
    ExPenScope pen(dc, {m_nLineStyle, kPlaceholderPenWidth, m_crColor});
    dc.Polyline(m_ptImageCorner.data(), static_cast<int>(m_ptImageCorner.size()));
    const ExPoint first[2] = {m_ptImageCorner[0], m_ptImageCorner[2]};
    const ExPoint second[2] = {m_ptImageCorner[1], m_ptImageCorner[3]};
    dc.Polyline(first, 2);
    dc.Polyline(second, 2);
}

std::unique_ptr<CExImageParts> CExImageParts::CreateImported(ExPoint at,
                                                             const ExImagePixels& picture,
                                                             CExViewContext& view, int clientWidth,
                                                             int clientHeight) {
    if (!picture.IsValid()) {
        return nullptr;
    }
    const std::int64_t sheetWidth = std::int64_t(view.GetMapWidth()) * 100000;
    const std::int64_t sheetHeight = std::int64_t(view.GetMapHeight()) * 100000;
    at.x =
        static_cast<int>(std::clamp<std::int64_t>(at.x, 0, std::max<std::int64_t>(0, sheetWidth)));
    at.y =
        static_cast<int>(std::clamp<std::int64_t>(at.y, 0, std::max<std::int64_t>(0, sheetHeight)));
    auto image = std::make_unique<CExImageParts>(at.x, at.y);

    const int dpi = GetImageDisplay().dpi;
    const double metricW = std::max(1, PixelsToHundredthsOfMm(picture.width, dpi));
    const double metricH = std::max(1, PixelsToHundredthsOfMm(picture.height, dpi));
    const double scale = std::min(double(clientHeight / kClientFraction) / metricH,
                                  double(clientWidth / kClientFraction) / metricW);
    // A view too small for a visible fifth still gives the picture a size that can be picked.
    const double divisor = std::max(1, view.GetViewScale());
    image->m_nWidth = TruncateToInt32(std::max(1.0, std::trunc(metricW * scale)) * divisor);
    image->m_nHeight = TruncateToInt32(std::max(1.0, std::trunc(metricH * scale)) * divisor);
    if (!image->MakeStoredImage(picture)) {
        return nullptr;
    }
    ExActiveViewScope active(&view);
    // Placed at once: its area is drawn and it can be picked without waiting for a repaint.
    image->UpdateParts();
    image->RecalcParts();
    image->SetRedrawFlag(1);
    return image;
}

std::unique_ptr<CExImageParts> CExImageParts::CreateCopy(const CExImageParts& source) {
    auto copy = std::make_unique<CExImageParts>();
    copy->CopyParts(source);
    copy->m_lstDrawLine.clear();
    copy->m_nImagePixelW = source.m_nImagePixelW;
    copy->m_nImagePixelH = source.m_nImagePixelH;
    copy->m_nImageMetricW = source.m_nImageMetricW;
    copy->m_nImageMetricH = source.m_nImageMetricH;
    copy->m_crBack = source.m_crBack;
    copy->m_bmiHeader = source.m_bmiHeader;
    copy->m_bImageError = source.m_bImageError;
    try {
        copy->m_dibStored = source.m_dibStored;
    } catch (const std::bad_alloc&) {
        copy->ReportNoMemory();
    }
    copy->SetRedrawFlag(1);
    return copy;
}
