#include "MainFrame.h"

#include "ChildFrame.h"
#include "KORVANEXView.h"
#include "ProgramFolders.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QSettings>
#include <QStatusBar>

#include <filesystem>

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent), m_pPreviousServices(SetAppServices(&m_services)),
      m_pMdiArea(new QMdiArea(this)), m_pZoomIndicator(new QLabel(this)) {
    setWindowTitle(QString::fromUtf8(exmsg::kAppName));
    m_services.SetParentWindow(this);
    if (m_font.LoadVecFont(
            std::filesystem::path(QDir(ProgramDataFolder())
                                      .filePath(QString::fromUtf8(CExVecFont::kFileName))
                                      .toStdString()))) {
        m_pPreviousFont = SetVecFont(&m_font);
    }
    {
        QSettings settings;
        LoadSettings(settings);
    }
    setCentralWidget(m_pMdiArea);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);
    m_pZoomIndicator->setObjectName(QStringLiteral("zoomIndicator"));
    m_pZoomIndicator->setText(::ZoomIndicatorText(100));
    m_pZoomIndicator->setMinimumWidth(
        m_pZoomIndicator->fontMetrics().horizontalAdvance(QStringLiteral("1/3000 ")));
    statusBar()->addPermanentWidget(m_pZoomIndicator);
    BuildMenus();
    resize(1024, 768);
}

// The drawings go first, while the services and the menus they report to still exist.
CMainFrame::~CMainFrame() {
    disconnect(m_pMdiArea, nullptr, this, nullptr);
    delete m_pMdiArea;
    if (GetVecFont() == &m_font) {
        SetVecFont(m_pPreviousFont);
    }
    SetAppServices(m_pPreviousServices);
}

void CMainFrame::LoadSettings(QSettings& settings) {
    m_toolBarState = LoadToolBarState(settings);
    m_bAreaAttention = LoadAreaAttention(settings);
    m_arCableInfo = LoadCableKinds(settings, ProgramDataFolder().toStdString());
    m_services.SetDrawingDefaults(LoadDrawingDefaults(settings));
    m_recentFiles.Load(settings);
}

void CMainFrame::SetDrawingDefaults(const ExDrawingDefaults& defaults) {
    m_services.SetDrawingDefaults(defaults);
}

ExWindowState CMainFrame::CurrentWindowState() const {
    ExWindowState state;
    state.rect = normalGeometry().isValid() ? normalGeometry() : geometry();
    if (isMinimized()) {
        state.showCmd = exshow::kMinimized;
    } else if (isMaximized()) {
        state.showCmd = exshow::kMaximized;
    }
    return state;
}

void CMainFrame::SaveSettings(QSettings& settings) const {
    SaveToolBarState(settings, m_toolBarState);
    SaveWindowState(settings, CurrentWindowState());
    SaveDrawingDefaults(settings, DrawingDefaults());
    SaveCableKinds(settings, m_arCableInfo);
    SaveAreaAttention(settings, m_bAreaAttention);
    m_recentFiles.Save(settings);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    for (CChildFrame* child : Children()) {
        if (!child->close()) {
            event->ignore();
            return;
        }
    }
    QSettings settings;
    SaveSettings(settings);
    event->accept();
}

QList<CChildFrame*> CMainFrame::Children() const {
    QList<CChildFrame*> children;
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList()) {
        if (auto* child = qobject_cast<CChildFrame*>(window)) {
            children.append(child);
        }
    }
    return children;
}

CChildFrame* CMainFrame::ActiveChild() const {
    if (auto* child = qobject_cast<CChildFrame*>(m_pMdiArea->activeSubWindow())) {
        return child;
    }
    // The area reports no active window while the main window itself is not active.
    for (CChildFrame* child : Children()) {
        if (&child->View() == m_pActiveView) {
            return child;
        }
    }
    return nullptr;
}

CKORVANEXView* CMainFrame::ActiveView() const {
    return m_pActiveView;
}

QString CMainFrame::ZoomIndicatorText() const {
    return m_pZoomIndicator->text();
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window) {
    auto* child = qobject_cast<CChildFrame*>(window);
    if (!child) {
        if (m_pMdiArea->subWindowList().isEmpty()) {
            m_pActiveView = nullptr;
            setWindowTitle(QString::fromUtf8(exmsg::kAppName));
            UpdateCommandStates();
        }
        return;
    }
    CKORVANEXView* view = &child->View();
    if (m_pActiveView && m_pActiveView != view) {
        m_pActiveView->Activate(false);
    }
    m_pActiveView = view;
    connect(view, &CKORVANEXView::zoomTextChanged, m_pZoomIndicator, &QLabel::setText,
            Qt::UniqueConnection);
    connect(view, &CKORVANEXView::commandStateChanged, this, &CMainFrame::UpdateCommandStates,
            Qt::UniqueConnection);
    view->Activate(true);
    m_pZoomIndicator->setText(view->ZoomText());
    setWindowTitle(QString::fromUtf8(exmsg::kAppName) + QStringLiteral(" - ") + child->Title());
    UpdateCommandStates();
}
