#include "KORVANEXView.h"

#include "ExAppServices.h"
#include "ExException.h"
#include "ExWiringParts.h"
#include "RulerH.h"
#include "RulerV.h"
#include "tools/EditTool.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

namespace {

constexpr const char* kCompositionFailed = "OnPaint BitBlt Error";

} // namespace

QString ZoomIndicatorText(int zoom) {
    return QStringLiteral("1/%1").arg(zoom);
}

CKORVANEXView::CKORVANEXView(CKORVANEXDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_pRulerH(new CRulerH(*this, viewport())),
      m_pRulerV(new CRulerV(*this, viewport())) {
    const ExDrawingDefaults& defaults = AppServices().DrawingDefaults();
    m_settings.mapWidth = defaults.sheetWidthM;
    m_settings.mapHeight = defaults.sheetHeightM;
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    viewport()->setMouseTracking(true);
    viewport()->setAcceptDrops(true);
    setFrameShape(QFrame::NoFrame);
    m_pRulerH->hide();
    m_pRulerV->hide();
    m_doc.AddObserver(this);
}

CKORVANEXView::~CKORVANEXView() {
    m_doc.RemoveObserver(this);
    if (GetActiveView() == this) {
        ::SetActiveView(nullptr);
    }
}

QString CKORVANEXView::ZoomText() const {
    return ZoomIndicatorText(m_settings.zoom);
}

void CKORVANEXView::Activate(bool active) {
    m_bActive = active;
    if (active) {
        ::SetActiveView(this);
        m_pRulerH->show();
        m_pRulerV->show();
        m_pRulerH->raise();
        m_pRulerV->raise();
        m_pRulerH->update();
        m_pRulerV->update();
        emit zoomTextChanged(ZoomText());
        emit commandStateChanged();
    } else {
        if (GetActiveView() == this) {
            ::SetActiveView(nullptr);
        }
        CancelTool();
        m_pRulerH->hide();
        m_pRulerV->hide();
    }
}

void CKORVANEXView::OnDocumentUpdate(CExDocObserver*, const ExDocUpdate& update) {
    using Kind = ExDocUpdate::Kind;
    try {
        switch (update.kind) {
        case Kind::DragStarted:
            OnLibraryDragStarted(update.dragPart);
            break;
        case Kind::DragMoved:
            if (update.screen) {
                OnLibraryDragMoved(*update.screen);
            }
            break;
        case Kind::Dropped:
            OnLibraryDragEnded(update.screen ? &*update.screen : nullptr);
            break;
        case Kind::ZoomChanged:
            ApplyZoom();
            break;
        case Kind::PartsChanged:
            InvalidateDrawingArea(update.area);
            break;
        case Kind::RedrawAll:
            // The drawing settings may have changed the grid.
            if (m_bInitialised) {
                Layout(true);
            }
            RedrawAll();
            break;
        default:
            break;
        }
    } catch (...) {
        ReportCaughtException();
    }
}

ExPaintSwitches CKORVANEXView::PaintSwitches() const {
    ExPaintSwitches switches;
    switches.decision = CExDrawingDecision::ForView(m_doc.GetViewMode(), m_settings.showMeasure,
                                                    m_settings.showArea);
    switches.showGrid = m_settings.showGrid;
    // An armed tool stands in for the mode tool here too: a text being typed shows without its
    // frame and handles, which would hide the caret at its ends.
    switches.editTool = m_pArmedTool ? m_pArmedTool->CommandId() : m_doc.GetEditTool();
    switches.overlay = m_pArmedTool ? m_pArmedTool.get() : m_pTool.get();
    switches.snapMark = &m_snapMark;
    return switches;
}

void CKORVANEXView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    try {
        if (!m_renderer.IsReady()) {
            painter.fillRect(event->rect(), Qt::white);
            return;
        }
        // The parts convert through the view being painted, active or not.
        ExActiveViewScope converting(this);
        const bool composed =
            m_renderer.Render(m_doc, m_geometry, m_grid, PaintSwitches(), m_bRecalcAll);
        painter.drawImage(QPoint(0, 0), m_renderer.Composite());
        if (!composed) {
            ReportCompositionFailure();
        }
        m_pRulerH->update();
        m_pRulerV->update();
        m_bPainted = true;
        m_ptInitialCenter = {-1, -1};
    } catch (...) {
        ReportCaughtException();
    }
}

// A message box opened inside a paint would paint again beneath it: it waits for the event loop.
void CKORVANEXView::ReportCompositionFailure() {
    if (m_bFailureQueued) {
        return;
    }
    m_bFailureQueued = true;
    QTimer::singleShot(0, this, [this] {
        AppServices().MessageBox(kCompositionFailed, ExMessageIcon::Stop, ExMessageButtons::Ok);
        m_bFailureQueued = false;
    });
}

void CKORVANEXView::resizeEvent(QResizeEvent*) {
    if (m_bInLayout || !m_bInitialised) {
        return;
    }
    try {
        if (!m_bPainted && m_ptInitialCenter.x >= 0) {
            m_ptZoomCenter = m_ptInitialCenter;
        }
        Layout(false);
        Layout(true);
        viewport()->update();
    } catch (...) {
        ReportCaughtException();
    }
}

void CKORVANEXView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (!m_bInitialised) {
        try {
            OnInitialUpdate();
        } catch (...) {
            ReportCaughtException();
        }
    }
}

void CKORVANEXView::scrollContentsBy(int dx, int dy) {
    m_geometry.SetScroll({horizontalScrollBar()->value(), verticalScrollBar()->value()});
    m_renderer.Scrolled({dx, dy});
    viewport()->update();
    m_pRulerH->update();
    m_pRulerV->update();
}

void CKORVANEXView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ShiftModifier) {
        event->ignore();
        return;
    }
    // A press in progress belongs to the editing tool: the wheel must not move the sheet under it.
    if (m_bLeftButtonDown) {
        event->accept();
        return;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        ZoomAtPixel(event->angleDelta().y() >= 0, event->position().toPoint());
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void CKORVANEXView::InvalidateDrawingRect(const ExRect& viewRect) {
    const QRect pixels = m_geometry.ViewRectToPixels(viewRect).adjusted(-1, -1, 1, 1);
    m_renderer.Invalidate(pixels);
    viewport()->update(pixels);
}

void CKORVANEXView::InvalidateDrawingArea(const ExRect& drawingArea) {
    const ExPoint corners[2] = {m_geometry.DrawingToView({drawingArea.left, drawingArea.top}),
                                m_geometry.DrawingToView({drawingArea.right, drawingArea.bottom})};
    InvalidateDrawingRect({corners[0].x, corners[0].y, corners[1].x, corners[1].y});
}

void CKORVANEXView::RefreshRect(const ExRect& viewRect) {
    viewport()->update(m_geometry.ViewRectToPixels(viewRect).adjusted(-1, -1, 1, 1));
}

void CKORVANEXView::RedrawAll() {
    m_bRecalcAll = true;
    m_renderer.InvalidateAll();
    viewport()->update();
}
