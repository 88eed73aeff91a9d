#pragma once

// The drawing view of one document. The class is spread over several files by concern:
// KORVANEXView.cpp (events, painting, activation), KORVANEXViewLayout.cpp (layout, scrolling,
// stored settings), KORVANEXViewZoom.cpp (zoom commands) and KORVANEXViewCommands.cpp (display
// switches, view modes, sheet size, picture export).

#include "ExViewContext.h"
#include "GridLayout.h"
#include "KORVANEXDoc.h"
#include "MapSizeChange.h"
#include "ViewGeometry.h"
#include "ViewRenderer.h"
#include "ZoomTable.h"

#include <QAbstractScrollArea>

class CRulerH;
class CRulerV;

class CKORVANEXView final : public QAbstractScrollArea,
                            public CExViewContext,
                            public CExDocObserver {
    Q_OBJECT

public:
    explicit CKORVANEXView(CKORVANEXDoc& doc, QWidget* parent = nullptr);
    ~CKORVANEXView() override;

    CKORVANEXDoc& Document() const { return m_doc; }
    const CKORVANEXDoc* GetDocument() const override { return &m_doc; }

    // What the elements ask of the active view.
    int GetViewScale() const override { return m_nViewScale; }
    int GetDpi() const override { return m_nDpi; }
    int GetMapWidth() const override { return m_nMapWidth; }
    int GetMapHeight() const override { return m_nMapHeight; }
    bool IsShowGrid() const override { return m_bShowGrid; }
    bool IsShowMeasure() const override { return m_bShowMeasure; }
    bool IsShowArea() const override { return m_bShowArea; }
    bool IsDrawingView() const override { return true; }

    void OnDocumentUpdate(CExDocObserver* sender, int hint, void* object) override;

    // Activation: the active view is the one the elements convert through and the only one
    // whose ruler bars show.
    void Activate(bool active);
    bool IsActiveView() const { return m_bActive; }

    int GetZoom() const { return m_nZoom; }
    int GetZoomIndex() const { return m_nZoomIndex; }
    QString ZoomText() const;
    const CViewGeometry& Geometry() const { return m_geometry; }
    const ExGridLayout& Grid() const { return m_grid; }
    const CViewRenderer& Renderer() const { return m_renderer; }
    bool IsRecalcAllPending() const { return m_bRecalcAll; }

    // The settings a drawing file keeps, for saving.
    void FillViewSettings(ExViewSettings& settings) const;

    // The layout: quick (sizes, scroll ranges, grid) or full (also the layers, the zoom centre
    // and the ruler bars). False when the client is empty or the layers cannot be had.
    bool Layout(bool full);

    // Zoom commands and their enabling.
    bool CanZoomIn() const;
    bool CanZoomOut() const;
    void OnZoomIn();
    void OnZoomOut();
    void OnZoomPreset(int index);
    void OnZoomDialog();
    // A divisor confirmed in the zoom ratio dialog.
    void ApplyTypedZoom(int zoom);

    // Display switches and view modes.
    void OnToggleGrid();
    void OnToggleMeasure();
    void OnToggleArea();
    void OnLayoutView();
    void OnWiringView();

    void OnMapSize();
    void SetMapSize(ExMapSize size);
    void OnBitmapSave();
    // Writes the picture of the whole sheet the bitmap command saves; false after its message.
    bool SaveBitmap(const QString& fileName);

    // For the editing tools: the parts in a view-unit rectangle changed and are drawn again;
    // a rectangle whose selection changed is composed again; everything is recomputed.
    void InvalidateDrawingRect(const ExRect& viewRect);
    void RefreshRect(const ExRect& viewRect);
    void RedrawAll();

signals:
    // The text of the zoom indicator, "1/100".
    void zoomTextChanged(const QString& text);
    // A display switch, view mode or zoom changed: menus update their checks.
    void commandStateChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void OnInitialUpdate();
    void ApplyStoredSettings(const ExViewSettings& stored);
    void ApplyZoom();
    void FinishZoomChange(const ExZoomState& state);
    void UpdateScrollBars();
    void PositionRulers();
    void ClearSelection();
    void ReportCompositionFailure();
    ExPaintSwitches PaintSwitches() const;

    CKORVANEXDoc& m_doc;
    int m_nZoom = 100;
    int m_nZoomIndex = exzoom::kDefaultIndex;
    int m_nViewScale = 100;
    int m_nMapWidth = 25;
    int m_nMapHeight = 25;
    int m_nDpi = 96;
    bool m_bShowGrid = true;
    bool m_bShowMeasure = true;
    bool m_bShowArea = true;
    bool m_bRecalcAll = true;
    bool m_bActive = false;
    bool m_bInitialised = false;
    bool m_bPainted = false;
    bool m_bInLayout = false;
    bool m_bLeftButtonDown = false;
    bool m_bFailureQueued = false;
    ExPoint m_ptZoomCenter{-1, -1};
    // The first centre is kept until the first paint, so that a window still settling its
    // size shows the drawing where it was meant to.
    ExPoint m_ptInitialCenter{-1, -1};
    CViewGeometry m_geometry;
    ExGridLayout m_grid;
    CViewRenderer m_renderer;
    CRulerH* m_pRulerH;
    CRulerV* m_pRulerV;
};

// The zoom indicator's text for a divisor.
QString ZoomIndicatorText(int zoom);
