#pragma once

// The drawing view of one document. The class is spread over several files by concern:
// KORVANEXView.cpp (events, painting, activation), KORVANEXViewLayout.cpp (layout, scrolling,
// stored settings), KORVANEXViewZoom.cpp (zoom commands), KORVANEXViewCommands.cpp (display
// switches, view modes, sheet size, picture export) and KORVANEXViewDrop.cpp (library drops).

#include "ExViewContext.h"
#include "GridLayout.h"
#include "KORVANEXDoc.h"
#include "MapSizeChange.h"
#include "ViewGeometry.h"
#include "ViewRenderer.h"
#include "ZoomTable.h"

#include <QAbstractScrollArea>

#include <memory>

class CExWiringParts;
class CRulerH;
class QMimeData;
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
    const ExViewSettings& Settings() const override { return m_settings; }
    int GetDpi() const override { return m_geometry.Dpi(); }
    bool IsDrawingView() const override { return true; }

    void OnDocumentUpdate(CExDocObserver* sender, const ExDocUpdate& update) override;

    // Activation: the active view is the one the elements convert through and the only one
    // whose ruler bars show.
    void Activate(bool active);
    bool IsActiveView() const { return m_bActive; }

    int GetZoom() const { return m_settings.zoom; }
    int GetZoomIndex() const { return m_settings.zoomIndex; }
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
    // The same for an area in drawing units, as other views of the drawing report it.
    void InvalidateDrawingArea(const ExRect& drawingArea);
    void RefreshRect(const ExRect& viewRect);
    void RedrawAll();

    // Places a library part at a screen point: a new element on top of the drawing, or the
    // start of a cable. False when the point is outside the window or the sheet.
    bool DropLibraryPart(const CExParts& prototype, QPoint screen);
    // The library part being dragged over the view, and whether the pointer is inside it.
    const CExParts* DraggedPart() const { return m_pDragParts; }
    bool IsDragInside() const { return m_bDragInside; }
    // A cable started by a drop, until it is finished or abandoned.
    const CExWiringParts* LayingCable() const { return m_pLayingCable.get(); }
    // Drops the cable being laid, if any; true when there was one.
    bool AbandonCable();

signals:
    // The text of the zoom indicator, "1/100".
    void zoomTextChanged(const QString& text);
    // A display switch, view mode or zoom changed: menus update their checks.
    void commandStateChanged();
    // The view changed the drawing's elements.
    void documentChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

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
    void OnLibraryDragStarted(const CExParts* prototype);
    void OnLibraryDragMoved(ExPoint screen);
    void OnLibraryDragEnded(const ExPoint* screen);
    bool AcceptsLibraryDrag(const QMimeData* data) const;
    void TellDragHint(QDropEvent* event, ExDocUpdate::Kind kind);
    void StartCable(const CExParts& prototype, ExPoint point);

    CKORVANEXDoc& m_doc;
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
    // The view's settings, kept by its geometry.
    ExViewSettings& m_settings = m_geometry.Settings();
    ExGridLayout m_grid;
    CViewRenderer m_renderer;
    CRulerH* m_pRulerH;
    CRulerV* m_pRulerV;
    const CExParts* m_pDragParts = nullptr;
    bool m_bDragInside = false;
    std::unique_ptr<CExWiringParts> m_pLayingCable;
};

// The zoom indicator's text for a divisor.
QString ZoomIndicatorText(int zoom);
// The drag data of a library part; the part itself travels through the document.
const QString& LibraryPartMimeType();
