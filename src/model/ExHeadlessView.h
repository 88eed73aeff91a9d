#pragma once

#include "ExViewContext.h"

// A view context without a window, for the command-line tools and tests: view settings, a
// resolution and whether it stands for a drawing view, all plain values.
class CExHeadlessView final : public CExViewContext {
public:
    CExHeadlessView() = default;
    CExHeadlessView(int viewScale, int mapWidthM, int mapHeightM, int dpi = 96) : m_nDpi(dpi) {
        m_settings.viewScale = viewScale;
        SetMapSize(mapWidthM, mapHeightM);
    }

    const ExViewSettings& Settings() const override { return m_settings; }
    int GetDpi() const override { return m_nDpi; }
    bool IsDrawingView() const override { return m_bDrawingView; }
    const CKORVANEXDoc* GetDocument() const override { return m_pDocument; }

    void SetViewScale(int scale) { m_settings.viewScale = scale; }
    void SetMapSize(int widthM, int heightM) {
        m_settings.mapWidth = widthM;
        m_settings.mapHeight = heightM;
    }
    void SetDpi(int dpi) { m_nDpi = dpi; }
    void SetShowSwitches(bool grid, bool measure, bool area) {
        m_settings.showGrid = grid ? 1 : 0;
        m_settings.showMeasure = measure ? 1 : 0;
        m_settings.showArea = area ? 1 : 0;
    }
    void SetDrawingView(bool drawingView) { m_bDrawingView = drawingView; }
    void SetDocument(const CKORVANEXDoc* document) { m_pDocument = document; }

private:
    ExViewSettings m_settings;
    int m_nDpi = 96;
    bool m_bDrawingView = false;
    const CKORVANEXDoc* m_pDocument = nullptr;
};
