// Drawings in the main window: new ones with their running titles, opening (once per file),
// saving, the recent files, and the command line.

#include "ChildFrame.h"
#include "ExAppServices.h"
#include "KORVANEXDoc.h"
#include "KORVANEXView.h"
#include "MainFrame.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>

#include <filesystem>

namespace {

constexpr const char* kUntitled = "無題";
constexpr const char* kAlreadyOpen = "同じファイル名のファイルは開けません。";

// A name from a command line or the shell: a leading quote goes, and the name ends at its
// last quote.
QString UnquotedFileName(QString name) {
    if (name.startsWith(QLatin1Char('"'))) {
        name.remove(0, 1);
    }
    const qsizetype quote = name.lastIndexOf(QLatin1Char('"'));
    if (quote >= 0) {
        name.truncate(quote);
    }
    return name;
}

} // namespace

QString CMainFrame::NextUntitledTitle() {
    QString title;
    bool taken = true;
    while (taken) {
        title = QString::fromUtf8(kUntitled) + QString::number(++m_nDocumentNumber);
        taken = false;
        for (const CChildFrame* child : Children()) {
            taken = taken || child->Title() == title;
        }
    }
    return title;
}

CChildFrame* CMainFrame::AddChild(CChildFrame* child) {
    m_pMdiArea->addSubWindow(child);
    connect(child, &CChildFrame::saved, this, [this, child](const QString& fileName) {
        m_recentFiles.Add(fileName);
        RebuildRecentFiles();
        if (ActiveChild() == child) {
            setWindowTitle(QString::fromUtf8(exmsg::kAppName) + QStringLiteral(" - ") +
                           child->Title());
        }
    });
    child->showMaximized();
    m_pMdiArea->setActiveSubWindow(child);
    return child;
}

CChildFrame* CMainFrame::NewDocument() {
    return AddChild(
        new CChildFrame(std::make_unique<CKORVANEXDoc>(), QString(), NextUntitledTitle()));
}

CChildFrame* CMainFrame::OpenDocument(const QString& fileName) {
    const QFileInfo file(UnquotedFileName(fileName));
    for (CChildFrame* child : Children()) {
        if (!child->FileName().isEmpty() && QFileInfo(child->FileName()) == file) {
            AppServices().MessageBox(kAlreadyOpen, ExMessageIcon::Exclamation,
                                     ExMessageButtons::Ok);
            m_pMdiArea->setActiveSubWindow(child);
            return child;
        }
    }
    auto doc = std::make_unique<CKORVANEXDoc>();
    if (!doc->OnOpenDocument(std::filesystem::path(file.absoluteFilePath().toStdString()))) {
        return nullptr;
    }
    m_recentFiles.Add(file.absoluteFilePath());
    RebuildRecentFiles();
    return AddChild(
        new CChildFrame(std::move(doc), file.absoluteFilePath(), TitleOfFile(file.fileName())));
}

// A drawing named on the command line that cannot be read leaves a new drawing open instead
// of an empty window.
void CMainFrame::ProcessCommandLine(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (!argument.startsWith(QLatin1Char('-')) && OpenDocument(argument)) {
            return;
        }
    }
    NewDocument();
}

void CMainFrame::OnFileNew() {
    NewDocument();
}

void CMainFrame::OnFileOpen() {
    const QString fileName =
        QFileDialog::getOpenFileName(this, QString(), QString(), DrawingFileFilter());
    if (!fileName.isEmpty()) {
        OpenDocument(fileName);
    }
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
