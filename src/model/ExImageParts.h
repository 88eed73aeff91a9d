#pragma once

// A raster picture placed on a drawing: a photo or a scanned plan. The element owns the picture
// as a 16-bit bitmap, which the drawing file stores, and derives from it at every update a copy
// stretched to the zoom and a copy turned to the element's angle. The turned copy is combined
// with the drawing by AND, so white in the picture lets the drawing underneath show through.

#include "ExDib16.h"
#include "ExDibRotate.h"
#include "ExParts.h"

#include <array>
#include <memory>

class CExViewContext;

// The screen the pictures are made for: its resolution, which gives a picture its size in
// 0.01 mm, and its work area (the desktop without task bars), three times which bounds every
// derived bitmap. The shell sets it once at start-up; tools and tests keep the default.
struct ExImageDisplay {
    int dpi = 96;
    int workAreaWidth = 1920;
    int workAreaHeight = 1040;
};
const ExImageDisplay& GetImageDisplay();
void SetImageDisplay(const ExImageDisplay& display);

// Lengths between pixels and 0.01 mm at a resolution, rounded to the nearest, saturated.
int PixelsToHundredthsOfMm(int pixels, int dpi);
int HundredthsOfMmToPixels(int hundredthsOfMm, int dpi);

class CExImageParts : public CExParts {
public:
    static constexpr const char* kClassName = "CExImageParts";
    // No derived bitmap is larger than this many work areas across or down.
    static constexpr int kWorkAreaLimit = 3;

    CExImageParts();
    CExImageParts(int x, int y);

    const char* GetRuntimeClassName() const override { return kClassName; }
    void Serialize(CExArchive& ar) override;
    void ScaleDrawLines() override;
    // Makes the zoomed copy (MakeScaledImage).
    void ToViewDrawLines() override;
    // Makes the turned copy and the picture's corners (PrepareRotation and the turn).
    void RotateDrawLines() override;
    // The lines are an unplaced outline and stay where they are; the handles come from the
    // placed corners at RecalcParts.
    void OffsetDrawLines() override {}
    int DrawParts(CExDC* dc) override;
    // The library shows a fixed picture for images: nothing is drawn.
    int CreateThumbnail(CExDC* dc, int /*cx*/, int /*cy*/) override { return dc ? 1 : 0; }
    void CalcHandles() override;
    void RotateHandles() override;
    void CalcFrameRegion() override;
    void RecalcParts() override;
    int CalcHandleRects() override;
    std::array<ExRect, kHandleCount> HandleRects() const override { return m_rcHandle; }

    // Makes the stored picture from a decoded one: its width rounded up to a multiple of 32 by
    // stretching, its sizes in 0.01 mm on the display, the display's background colour.
    // 0 when the picture is empty or there is no memory for it (the latter says so and leaves
    // the element showing its placeholder).
    int MakeStoredImage(const ExImagePixels& picture, ExColor background = 0xFFFFFF);
    // The zoomed copy at the active view: 0 when it is not made.
    int MakeScaledImage();
    // The turn and the turned copy's size: 0 when that is too large.
    int PrepareRotation();

    // A new image element for an imported picture, centred at a drawing point (kept on the
    // sheet) and as large as fits a fifth of the view's client area (its size in 0.01 mm),
    // updated at that view. Null when the stored picture could not be made.
    static std::unique_ptr<CExImageParts> CreateImported(ExPoint at, const ExImagePixels& picture,
                                                         CExViewContext& view, int clientWidth,
                                                         int clientHeight);
    // A copy with its own stored picture, copied 1:1, and the same sizes, name, code, angle,
    // colour and position.
    static std::unique_ptr<CExImageParts> CreateCopy(const CExImageParts& source);

    int GetImagePixelWidth() const { return m_nImagePixelW; }
    int GetImagePixelHeight() const { return m_nImagePixelH; }
    int GetImageMetricWidth() const { return m_nImageMetricW; }
    int GetImageMetricHeight() const { return m_nImageMetricH; }
    int GetViewWidth() const { return m_nViewW; }
    int GetViewHeight() const { return m_nViewH; }
    int GetScaledPixelWidth() const { return m_nScaledPixelW; }
    int GetScaledPixelHeight() const { return m_nScaledPixelH; }
    int GetRotPixelWidth() const { return m_nRotPixelW; }
    int GetRotPixelHeight() const { return m_nRotPixelH; }
    // Where the turned copy is drawn, in view units (top is the larger y).
    ExRect GetRotViewRect() const;
    ExColor GetBackColor() const { return m_crBack; }
    const ExDibRotation& Rotation() const { return m_rotation; }
    // The turned picture rectangle in view units, closed (the fifth repeats the first).
    const std::array<ExPoint, 5>& ImageCorners() const { return m_ptImageCorner; }
    const ExBitmapInfoHeader& BitmapHeader() const { return m_bmiHeader; }
    const CExDib16& StoredImage() const { return m_dibStored; }
    const CExDib16& ScaledImage() const { return m_dibScaled; }
    const CExDib16& RotatedImage() const { return m_dibRotated; }
    // 1 while the crossed-out placeholder is drawn instead of the picture.
    int GetImageError() const;

protected:
    // The size and its view size at the zoom, then the unplaced outline.
    void UpdateShape() override;
    // The picture is stretched to the zoom before it is turned.
    bool ConvertsBeforeTurning() const override { return true; }

private:
    // Gives the stored picture and its header, pixel and 0.01-mm sizes.
    void SetStoredImage(CExDib16 picture, int dpi);
    // A picture read from a drawing made on a display of another resolution is resampled once.
    void FitStoredImageToDisplay(CExDib16 picture);
    void ReleaseCopies();
    void ReportNoMemory();
    void PlaceCorners(const CExViewContext& view);
    void DrawPlaceholder(CExDC& dc) const;

    // An image's record carries its grips; they are kept as read until it is placed again.
    std::array<ExRect, kHandleCount> m_rcHandle{};
    int m_nImagePixelW = 0;
    int m_nImagePixelH = 0;
    int m_nImageMetricW = 0;
    int m_nImageMetricH = 0;
    int m_nViewW = 0;
    int m_nViewH = 0;
    int m_nScaledPixelW = 0;
    int m_nScaledPixelH = 0;
    int m_nRotPixelW = 0;
    int m_nRotPixelH = 0;
    int m_nRotViewLeft = 0;
    int m_nRotViewTop = 0;
    int m_nRotViewW = 0;
    int m_nRotViewH = 0;
    ExColor m_crBack = 0xFFFFFF;
    ExDibRotation m_rotation;
    std::array<ExPoint, 5> m_ptImageCorner{};
    ExBitmapInfoHeader m_bmiHeader;
    CExDib16 m_dibStored;
    CExDib16 m_dibScaled;
    CExDib16 m_dibRotated;
    // The angle the turned copy was made for; the copies are kept while size and angle stay.
    int m_nRotatedAngle = 0;
    // A bitmap could not be made for lack of memory: the placeholder stays for good.
    int m_bImageError = 0;
    // The copies would exceed the work-area bound at this zoom and angle: the placeholder shows
    // until an update at which they fit again.
    int m_bTooLarge = 0;
};
