#pragma once

// The drawing view of one document. The class is spread over several files by concern:
// KORVANEXView.cpp (events, painting, activation), KORVANEXViewLayout.cpp (layout, scrolling,
// stored settings), KORVANEXViewZoom.cpp (zoom commands), KORVANEXViewCommands.cpp (display
// switches, view modes, sheet size, picture export), KORVANEXViewPrint.cpp (printing),
// KORVANEXViewDrop.cpp (library drops), KORVANEXViewTools.cpp (the editing tools' host) and
// KORVANEXViewEdit.cpp (commands that change the parts: properties, delete, copy, order).

#include "ExViewContext.h"
#include "GridLayout.h"
#include "KORVANEXDoc.h"
#include "MapSizeChange.h"
#include "SnapMark.h"
#include "ViewGeometry.h"
#include "ViewRenderer.h"
#include "ZoomTable.h"
#include "tools/ToolHost.h"

#include <QAbstractScrollArea>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CEditTool;
enum class ExPictureFormat;
struct ExImagePixels;
struct ExToolEvent;
class QUndoStack;
class CRulerH;
class QMimeData;
class QPrinter;
class CRulerV;

class CKORVANEXView final : public QAbstractScrollArea,
                            public CExViewContext,
                            public CExDocObserver,
                            public CToolHost {
    Q_OBJECT

public:
    explicit CKORVANEXView(CKORVANEXDoc& doc, QWidget* parent = nullptr);
    ~CKORVANEXView() override;

    CKORVANEXDoc& Document() override { return m_doc; }
    const CKORVANEXDoc& Document() const { return m_doc; }
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
    const CViewGeometry& Geometry() const override { return m_geometry; }
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
    // One preset step in or out, keeping the drawing point under a client pixel where it is.
    void ZoomAtPixel(bool zoomIn, QPoint pixel);
    // The finest zoom at which the whole sheet shows in the window.
    void OnZoomFit();
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
    // エクスポート: the same picture as PNG, SVG or PDF, the format by the file's extension.
    void OnExport();
    bool ExportPicture(const QString& fileName);

    // Printing (KORVANEXViewPrint.cpp) on the application's printer: the print settings
    // dialog, then the printer's own dialog or the preview.
    void OnFilePrint(QPrinter& printer);
    void OnFilePrintPreview(QPrinter& printer);
    // Ends the tool, deselects everything and asks for the form and the divisor, offering the
    // divisor that fits the printer's page; false when cancelled.
    bool PreparePrinting(const QPrinter& printer);
    // Whether the printer the user chose can print: a file, or one the print system offers.
    static bool CanPrintOn(const QPrinter& printer);
    // Prints the pages of the chosen form and divisor; false after a message.
    bool PrintTo(QPrinter& printer);
    int AutoPrintScale() const { return m_nAutoPrintScale; }
    int PrintScale() const { return m_nPrintScale; }
    int PrintForm() const { return m_nPrintForm; }

    // For the editing tools: the parts in a view-unit rectangle changed and are drawn again;
    // a rectangle whose selection changed is composed again; everything is recomputed.
    void InvalidateDrawingRect(const ExRect& viewRect) override;
    // The same for an area in drawing units, as other views of the drawing report it.
    void InvalidateDrawingArea(const ExRect& drawingArea);
    void RefreshRect(const ExRect& viewRect) override;
    void RedrawAll() override;

    // The mode tools (select, pan, zoom; the document keeps which one is current).
    void SetModeTool(int command);
    // A tool a command arms (text, ruler, area, cable) stands in for the mode tool until it
    // finishes or is abandoned; whatever was under way before is abandoned first.
    void ArmTool(std::unique_ptr<CEditTool> tool);
    const CEditTool* ArmedTool() const { return m_pArmedTool.get(); }
    // The editing state of the current tool (0 select, 4 zoom, 5 pan, …).
    int GetEditState() const;
    // Ends what the current tool has under way; an armed tool is done. Whatever changes or saves
    // the whole drawing (undo, redo, saving) calls it first, so that no half-made edit is caught
    // in between.
    void CancelTool();
    // Where the view's finished edits go; the drawing's window owns it.
    void SetUndoStack(QUndoStack* stack) { m_pUndoStack = stack; }
    QUndoStack* UndoStack() const { return m_pUndoStack; }

    // The editing commands and their enabling.
    void OnProperties();
    void OnDelete();
    void OnCopy();
    // 32822 to the top, 32821 one up, 32824 to the bottom, 32823 one down.
    void OnZOrder(int command);
    bool CanDelete() const;
    bool CanCopy() const;
    bool CanZOrder() const;
    // Selects every part a rubber band could select; enabled while there is one.
    void OnSelectAll();
    bool CanSelectAll() const;
    // Vertex editing: the tool button (not while several parts are selected) and the command
    // 33015 (exactly one part selected), which refuses kinds that have no vertices.
    bool CanVertexTool() const;
    bool CanVertexEdit() const;
    void OnVertexEdit();
    // 画像の縮尺合わせ: exactly one picture selected; two presses on it, then the real distance.
    bool CanCalibrateImage() const;
    void OnCalibrateImage();
    // Scales the picture so that the two points lie the distance asked for apart, as one
    // history step; refused with a message for points too close on the screen or a picture that
    // would leave the sheet. Tests answer the question instead of the dialog.
    void CalibrateImage(CExParts* image, ExPoint first, ExPoint second);
    using DistanceAsker = std::function<std::optional<double>(double measuredMm)>;
    void SetCalibrationDistanceAsker(DistanceAsker asker) { m_calibrationAsker = std::move(asker); }
    // Places a decoded picture as a new image in the middle of the window, as large as fits a
    // fifth of it; false when it could not be made (the model said why).
    bool ImportImage(const ExImagePixels& picture);
    // The shell's property dialogs; true when the part was changed.
    using PropertyEditor = std::function<bool(CExParts& part)>;
    void SetPropertyEditor(PropertyEditor editor) { m_propertyEditor = std::move(editor); }

    // CToolHost
    CExViewContext& ViewContext() override;
    ExPoint DrawingPoint(QPoint pixel, bool snapSuspended) override;
    ExPoint SnapPoint(ExPoint drawing, bool snapSuspended) override;
    void RefreshOverlay() override;
    void CaptureMouse(bool capture) override;
    void ScrollByPixels(QPoint delta) override;
    void SetToolCursor(const QCursor& cursor) override;
    void UpdateInputMethod() override;
    void ShowStatusMessage(const QString& text) override;
    void ZoomToDrawingRect(const ExRect& drawing) override;
    void ZoomInAt(ExPoint drawing) override;
    void ShowProperties() override { OnProperties(); }
    void FinishTool() override;
    void PushEdit(std::unique_ptr<CExEdit> edit) override;
    void SelectionChanged() override;
    void ShowContextMenu(QPoint pixel) override;

    // Places a library part at a screen point: a new element on top of the drawing, or the
    // start of a cable that the cable tool then lays. False when the point is outside the
    // window or the sheet.
    bool DropLibraryPart(const CExParts& prototype, QPoint screen);
    // The library part being dragged over the view, and whether the pointer is inside it.
    const CExParts* DraggedPart() const { return m_pDragParts; }
    bool IsDragInside() const { return m_bDragInside; }

signals:
    // The text of the zoom indicator, "1/100".
    void zoomTextChanged(const QString& text);
    // A display switch, view mode or zoom changed: menus update their checks.
    void commandStateChanged();
    // The view changed the drawing's elements.
    void documentChanged();
    // A short note for the status bar.
    void statusMessage(const QString& text);
    // Where the pointer is on the sheet and what the tool does there; empty when it is off it.
    void pointerTextChanged(const QString& text);
    // The select tool's menu, at a screen point.
    void contextMenuRequested(const QPoint& screen);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusOutEvent(QFocusEvent* event) override;
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
    bool WritePicture(const QString& fileName, ExPictureFormat format, QString* error);
    std::optional<double> AskCalibrationDistance(double measuredMm);
    void ReportCompositionFailure();
    ExPaintSwitches PaintSwitches() const;
    // A mouse event as the tools take it, its point snapped.
    ExToolEvent PointerEvent(const QMouseEvent& event);
    // The snap mark changed: compose the window again where it was and is.
    void ShowSnapMark();
    void OnLibraryDragStarted(const CExParts* prototype);
    void OnLibraryDragMoved(ExPoint screen);
    void OnLibraryDragEnded(const ExPoint* screen);
    bool AcceptsLibraryDrag(const QMimeData* data) const;
    void TellDragHint(QDropEvent* event, ExDocUpdate::Kind kind);
    CEditTool& Tool();
    void SwitchTool(int command);
    void RefreshSelection();
    bool HandleViewKey(int key);
    // Feeds a middle-button press, move or release to the pan it drives; true when the event
    // was the pan's.
    bool MiddlePan(QMouseEvent& event);
    bool TakenByMiddlePan(QMouseEvent& event);
    void ShowPointerStatus(QPoint pixel);

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
    // The divisor that fits the sheet on the printer's page, the one the user chose (0 until
    // then) and the print form (0 whole, 1 layout only, 2 wiring only).
    int m_nAutoPrintScale = 0;
    int m_nPrintScale = 0;
    int m_nPrintForm = 0;
    std::unique_ptr<CEditTool> m_pTool;
    std::unique_ptr<CEditTool> m_pArmedTool;
    // The pan the middle button drives while it is held, beside whatever tool is current.
    std::unique_ptr<CEditTool> m_pMiddlePan;
    // Whether the current tool holds the pointer, which the middle-button pan must leave held.
    bool m_bToolCapture = false;
    // Armed tools that finished, kept until the event that finished them has returned.
    std::vector<std::unique_ptr<CEditTool>> m_retiredTools;
    // Where the current tool's overlay was last shown, to be painted over when it changes.
    QRect m_rcOverlayShown;
    CSnapMark m_snapMark;
    QRect m_rcSnapShown;
    QUndoStack* m_pUndoStack = nullptr;
    PropertyEditor m_propertyEditor;
    DistanceAsker m_calibrationAsker;
    // A centre the next zoom keeps in the middle instead of the selection (zoom tool), or under
    // a client pixel when one is given (Ctrl+wheel).
    ExPoint m_ptRequestedCentre{-1, -1};
    QPoint m_ptRequestedPixel{-1, -1};
    // Where the next full layout puts m_ptZoomCenter; (-1, -1) is the middle of the window.
    QPoint m_ptZoomPixel{-1, -1};
};

// The zoom indicator's text for a divisor.
QString ZoomIndicatorText(int zoom);
// The drag data of a library part; the part itself travels through the document.
const QString& LibraryPartMimeType();
