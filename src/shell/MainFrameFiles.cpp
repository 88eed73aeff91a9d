// Drawings in the main window: new ones with their running titles, opening (once per file),
// saving, the recent files, the command line and files dropped on the window.

#include "ChildFrame.h"
#include "ExAppServices.h"
#include "KORVANEXDoc.h"
#include "KORVANEXView.h"
#include "KORVNEXDocMgr.h"
#include "MainFrame.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMimeData>
#include <QStatusBar>
#include <QUndoStack>

#include <filesystem>

namespace {

// How long a view's note stays on the status bar.
constexpr int kStatusMessageMs = 8000;

} // namespace

QString CMainFrame::NextUntitledTitle() {
    QString title;
    bool taken = true;
    while (taken) {
        title = QString::fromUtf8(exdocmgr::kUntitled) + QString::number(++m_nDocumentNumber);
        taken = FindTab(title) >= 0;
    }
    return title;
}

CChildFrame* CMainFrame::AddChild(CChildFrame* child) {
    m_pMdiArea->addSubWindow(child);
    WatchForRecovery(child);
    // A new tab's tip is the area's: the title.
    child->UpdateTabTip();
    connect(child, &CChildFrame::saved, this, [this, child](const QString& fileName) {
        m_recentFiles.Add(fileName);
        RebuildRecentFiles();
        if (ActiveChild() == child) {
            UpdateTitle();
        }
    });
    connect(&child->View(), &CKORVANEXView::documentChanged, this, [this] {
        UpdateTitle();
        UpdateCommandStates();
    });
    connect(&child->View(), &CKORVANEXView::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text, kStatusMessageMs); });
    connect(&child->History(), &QUndoStack::indexChanged, this, [this, child] {
        if (ActiveChild() == child) {
            UpdateTitle();
            UpdateCommandStates();
        }
    });
    child->showMaximized();
    m_pMdiArea->setActiveSubWindow(child);
    // While the main window itself is not active the area keeps the news to itself.
    if (m_pActiveView != &child->View()) {
        OnSubWindowActivated(child);
    }
    return child;
}

CChildFrame* CMainFrame::NewDocument() {
    return AddChild(
        new CChildFrame(std::make_unique<CKORVANEXDoc>(), QString(), NextUntitledTitle()));
}

CChildFrame* CMainFrame::OpenDocument(const QString& fileName) {
    const QString path = OpenFileName(fileName);
    const QString title = TitleOfFile(path);
    if (FindTab(title) < 0) {
        // Later new drawings must not take the number of one opened from a file.
        m_nDocumentNumber = std::max(m_nDocumentNumber, UntitledNumber(title));
    } else {
        for (CChildFrame* child : Children()) {
            if (!child->FileName().isEmpty() && FullFileName(child->FileName()) == path) {
                AppServices().MessageBox(exdocmgr::kAlreadyOpen, ExMessageIcon::Exclamation,
                                         ExMessageButtons::Ok);
                BringToFront(child);
                return child;
            }
        }
    }
    auto doc = std::make_unique<CKORVANEXDoc>();
    if (!doc->OnOpenDocument(QFileInfo(path).filesystemAbsoluteFilePath())) {
        return nullptr;
    }
    m_recentFiles.Add(path);
    RebuildRecentFiles();
    CChildFrame* child = AddChild(new CChildFrame(std::move(doc), path, title));
    if (!child->Document().IsComplete()) {
        const QString notice = QString::fromUtf8(exdocmgr::kReadInPart)
                                   .arg(child->Document().GetElementCount())
                                   .arg(QDir::toNativeSeparators(path));
        AppServices().MessageBox(notice.toStdString(), ExMessageIcon::Exclamation,
                                 ExMessageButtons::Ok);
    }
    return child;
}

// Every question comes before any drawing closes: a Cancel at the last one finds them all open.
bool CMainFrame::CloseAllDocuments() {
    const QList<CChildFrame*> children = Children();
    for (CChildFrame* child : children) {
        if (child->Document().IsModified()) {
            BringToFront(child);
            if (!child->QuerySave()) {
                return false;
            }
        }
    }
    for (CChildFrame* child : children) {
        child->CloseAnswered();
    }
    return true;
}

void CMainFrame::BringToFront(CChildFrame* child) {
    m_pMdiArea->setActiveSubWindow(child);
    ActivateTab(static_cast<int>(m_pMdiArea->subWindowList().indexOf(child)));
}

void CMainFrame::ProcessCommandLine(const QStringList& arguments) {
    OpenFiles(FileArguments(arguments));
}

// Drawings that cannot be read leave a new drawing open instead of an empty window.
void CMainFrame::OpenFiles(const QStringList& fileNames) {
    bool opened = false;
    for (const QString& fileName : fileNames) {
        opened = OpenDocument(fileName) != nullptr || opened;
    }
    if (!opened) {
        NewDocument();
    }
}

void CMainFrame::OpenLaunchedFiles(const QStringList& fileNames) {
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
    OpenFiles(fileNames);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            OpenDocument(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
}

void CMainFrame::OnFileNew() {
    NewDocument();
}

void CMainFrame::OnFileOpen() {
    const QString fileName =
        QFileDialog::getOpenFileName(this, QString(), QString(), DrawingFileFilter());
    if (fileName.isEmpty()) {
        return;
    }
    if (IsFileNameTooLong(fileName)) {
        AppServices().MessageBox(exdocmgr::kPathTooLong, ExMessageIcon::Stop, ExMessageButtons::Ok);
        return;
    }
    OpenDocument(fileName);
}

void CMainFrame::OnFileClose() {
    if (CChildFrame* child = ActiveChild()) {
        child->close();
    }
}

void CMainFrame::OnFileSave() {
    if (CChildFrame* child = ActiveChild()) {
        child->Save();
    }
}

void CMainFrame::OnFileSaveAs() {
    if (CChildFrame* child = ActiveChild()) {
        child->SaveAs();
    }
}
