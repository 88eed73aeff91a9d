#include "MainFrame.h"

#include "ChildFrame.h"
#include "KORVANEXDoc.h"
#include "KORVANEXView.h"
#include "ProgramFolders.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>

#include <algorithm>
#include <filesystem>

namespace {

constexpr const char* kFontFailed = "フォントの読み込みに失敗しました。";

} // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent), m_pPreviousServices(SetAppServices(&m_services)),
      m_pMdiArea(new QMdiArea(this)), m_pZoomIndicator(new QLabel(this)),
      m_pPointerIndicator(new QLabel(this)) {
    setWindowTitle(QString::fromUtf8(exmsg::kAppName));
    setAcceptDrops(true);
    m_services.SetParentWindow(this);
    QSettings settings;
    LoadSettings(settings);

    // Drawings are switched through their tabs; their windows fill the area without captions.
    m_pMdiArea->setViewMode(QMdiArea::TabbedView);
    m_pMdiArea->setDocumentMode(true);
    m_pMdiArea->setTabsClosable(true);
    m_pMdiArea->setTabsMovable(true);
    setCentralWidget(m_pMdiArea);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    m_pZoomIndicator->setObjectName(QStringLiteral("zoomIndicator"));
    m_pZoomIndicator->setMinimumWidth(
        m_pZoomIndicator->fontMetrics().horizontalAdvance(QStringLiteral("1/3000 ")));
    m_pPointerIndicator->setObjectName(QStringLiteral("pointerIndicator"));
    m_pPointerIndicator->setMinimumWidth(m_pPointerIndicator->fontMetrics().horizontalAdvance(
        QStringLiteral("X: 1000.00 m  Y: 1000.00 m ")));
    statusBar()->addPermanentWidget(m_pPointerIndicator);
    statusBar()->addPermanentWidget(m_pZoomIndicator);

    BuildMenus();
    BuildToolBars();
    ConnectEditCommands();
    BuildSelectionMenu();
    ConnectCreatingCommands();
    ConnectPrintCommands();
    connect(&m_autoSaveTimer, &QTimer::timeout, this, &CMainFrame::KeepRecoveryCopies);
    BuildPanels();
    RestoreLayout(settings, LoadToolBarState(settings));
    resize(1024, 768);
    m_bCreated = LoadFont();
    if (m_bCreated) {
        ReadLibrary();
    }
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

bool CMainFrame::LoadFont() {
    const QString file =
        QDir(ProgramDataFolder()).filePath(QString::fromUtf8(CExVecFont::kFileName));
    if (!m_font.LoadVecFont(QDir(file).filesystemAbsolutePath())) {
        AppServices().MessageBox(kFontFailed, ExMessageIcon::Stop, ExMessageButtons::Ok);
        return false;
    }
    m_pPreviousFont = SetVecFont(&m_font);
    return true;
}

void CMainFrame::LoadSettings(QSettings& settings) {
    const ExToolBarState toolBars = LoadToolBarState(settings);
    m_bBottomName = toolBars.bottomName;
    m_bLargeIcons = toolBars.largeIcons;
    m_bAreaAttention = LoadAreaAttention(settings);
    m_services.SetCableKinds(LoadCableKinds(settings, ProgramDataFolder().toStdString()));
    m_services.SetDrawingDefaults(LoadDrawingDefaults(settings));
    ApplyAutoSaveInterval();
    m_recentFiles.Load(settings);
}

void CMainFrame::SetDrawingDefaults(const ExDrawingDefaults& defaults) {
    m_services.SetDrawingDefaults(defaults);
    ApplyAutoSaveInterval();
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
    SaveToolBarState(settings, CurrentToolBarState());
    SaveWindowState(settings, CurrentWindowState());
    SaveDrawingDefaults(settings, DrawingDefaults());
    SaveCableKinds(settings, CableKinds());
    SaveControlState(settings, saveState());
    SaveAreaAttention(settings, m_bAreaAttention);
    m_recentFiles.Save(settings);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!CloseAllDocuments()) {
        event->ignore();
        return;
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

QTabBar* CMainFrame::TabBar() const {
    return m_pMdiArea->findChild<QTabBar*>();
}

int CMainFrame::FindTab(const QString& title) const {
    const QTabBar* tabs = TabBar();
    for (int i = 0; tabs && i < tabs->count(); ++i) {
        const QString text = tabs->tabText(i);
        if (text == title || text + QStringLiteral(".qlp") == title) {
            return i;
        }
    }
    return -1;
}

void CMainFrame::ActivateTab(int index) {
    if (QTabBar* tabs = TabBar(); tabs && index >= 0 && index < tabs->count()) {
        tabs->setCurrentIndex(index);
    }
}

// The area also reports no active window while the main window itself is inactive.
void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window) {
    auto* child = qobject_cast<CChildFrame*>(window);
    if (!child) {
        ShowNoDrawingWhenNoneLeft();
        return;
    }
    // A drawing's window is hidden as it closes. The area reports no change then for a window
    // it never took as active, such as one opened before the main window showed.
    child->installEventFilter(this);
    CKORVANEXView* view = &child->View();
    if (m_pActiveView && m_pActiveView != view) {
        m_pActiveView->Activate(false);
    }
    m_pActiveView = view;
    connect(view, &CKORVANEXView::zoomTextChanged, m_pZoomIndicator, &QLabel::setText,
            Qt::UniqueConnection);
    connect(view, &CKORVANEXView::commandStateChanged, this, &CMainFrame::UpdateCommandStates,
            Qt::UniqueConnection);
    connect(view, &CKORVANEXView::pointerTextChanged, m_pPointerIndicator, &QLabel::setText,
            Qt::UniqueConnection);
    connect(view, &CKORVANEXView::contextMenuRequested, this, &CMainFrame::ShowSelectionMenu,
            Qt::UniqueConnection);
    view->Activate(true);
    m_pZoomIndicator->setText(view->ZoomText());
    UpdateTitle();
    UpdateCommandStates();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && qobject_cast<CChildFrame*>(watched)) {
        ShowNoDrawingWhenNoneLeft();
    }
    return QMainWindow::eventFilter(watched, event);
}

// Without a drawing the window shows none: the program's name alone, no zoom, and the drawing
// commands off.
void CMainFrame::ShowNoDrawingWhenNoneLeft() {
    if (HasOpenDrawing()) {
        return;
    }
    m_pActiveView = nullptr;
    m_pZoomIndicator->clear();
    m_pPointerIndicator->clear();
    UpdateTitle();
    UpdateCommandStates();
}

// A closing drawing's window closes its view first, before the area lets go of the window.
bool CMainFrame::HasOpenDrawing() const {
    const QList<CChildFrame*> children = Children();
    return std::any_of(children.begin(), children.end(), [](const CChildFrame* child) {
        return !child->isHidden() && !child->View().isHidden();
    });
}

// The title names the active drawing and marks it while it has unsaved changes.
void CMainFrame::UpdateTitle() {
    const CChildFrame* child = ActiveChild();
    const QString app = QString::fromUtf8(exmsg::kAppName);
    setWindowTitle(child ? app + QStringLiteral(" - ") + child->Title() + QStringLiteral("[*]")
                         : app);
    setWindowModified(child && child->Document().IsModified());
}
