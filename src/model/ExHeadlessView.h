#pragma once

#include "ExViewContext.h"

// A view context without a window, for the command-line tools and tests: a divisor, a drawing
// sheet, a resolution and the display switches, all plain values.
class CExHeadlessView final : public CExViewContext {
public:
    CExHeadlessView() = default;
    CExHeadlessView(int viewScale, int mapWidthM, int mapHeightM, int dpi = 96)
        : m_nViewScale(viewScale), m_nMapWidth(mapWidthM), m_nMapHeight(mapHeightM), m_nDpi(dpi) {}

    int GetViewScale() const override { return m_nViewScale; }
    int GetDpi() const override { return m_nDpi; }
    int GetMapWidth() const override { return m_nMapWidth; }
    int GetMapHeight() const override { return m_nMapHeight; }
    bool IsShowGrid() const override { return m_bShowGrid; }
    bool IsShowMeasure() const override { return m_bShowMeasure; }
    bool IsShowArea() const override { return m_bShowArea; }
    bool IsDrawingView() const override { return m_bDrawingView; }
    const CKORVANEXDoc* GetDocument() const override { return m_pDocument; }

    void SetViewScale(int scale) { m_nViewScale = scale; }
    void SetMapSize(int widthM, int heightM) {
        m_nMapWidth = widthM;
        m_nMapHeight = heightM;
    }
    void SetDpi(int dpi) { m_nDpi = dpi; }
    void SetShowSwitches(bool grid, bool measure, bool area) {
        m_bShowGrid = grid;
        m_bShowMeasure = measure;
        m_bShowArea = area;
    }
    void SetDrawingView(bool drawingView) { m_bDrawingView = drawingView; }
    void SetDocument(const CKORVANEXDoc* document) { m_pDocument = document; }

private:
    int m_nViewScale = 100;
    int m_nMapWidth = 25;
    int m_nMapHeight = 25;
    int m_nDpi = 96;
    bool m_bShowGrid = true;
    bool m_bShowMeasure = true;
    bool m_bShowArea = true;
    bool m_bDrawingView = false;
    const CKORVANEXDoc* m_pDocument = nullptr;
};
