#include "ChildFrame.h"

#include "EditCommand.h"
#include "ExAppServices.h"
#include "KORVANEXDoc.h"
#include "KORVANEXView.h"
#include "KORVNEXDocMgr.h"
#include "PropertyDialogs.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>
#include <QTabBar>
#include <QUndoStack>
#include <QUuid>

#include <filesystem>

QString DrawingFileFilter() {
    return QStringLiteral("クイルプラン Files (*.qlp);;すべてのファイル (*.*)");
}

QString TitleOfFile(const QString& fileName) {
    return QFileInfo(fileName).completeBaseName();
}

CChildFrame::CChildFrame(std::unique_ptr<CKORVANEXDoc> doc, const QString& fileName,
                         const QString& title, QWidget* parent)
    : QMdiSubWindow(parent), m_pDoc(std::move(doc)), m_strFileName(fileName), m_strTitle(title),
      m_strRecoveryId(QUuid::createUuid().toString(QUuid::WithoutBraces)),
      m_bReadInPart(!fileName.isEmpty() && !m_pDoc->IsComplete()) {
    setAttribute(Qt::WA_DeleteOnClose);
    m_pHistory = new QUndoStack(this);
    m_pHistory->setUndoLimit(kHistorySteps);
    m_pView = new CKORVANEXView(*m_pDoc, this);
    m_pView->SetUndoStack(m_pHistory);
    m_pView->SetPropertyEditor([this](CExParts& part) {
        return ShowPropertyDialog(this, *m_pDoc, part, m_pView->GetMapWidth(),
                                  m_pView->GetMapHeight());
    });
    // Undoing back to the saved drawing takes the unsaved mark away again.
    connect(m_pHistory, &QUndoStack::cleanChanged, this,
            [this](bool clean) { m_pDoc->SetModifiedFlag(!clean); });
    connect(m_pHistory, &QUndoStack::indexChanged, this,
            [this] { LimitHistoryMemory(*m_pHistory, kHistoryBytes); });
    setWidget(m_pView);
    UpdateTitle();
}

// The view observes the document: it goes first. The history goes before the document its steps
// refer to, and silently: what listens to it (this frame, the main window) may be half gone.
CChildFrame::~CChildFrame() {
    delete m_pView;
    m_pHistory->blockSignals(true);
    delete m_pHistory;
}

void CChildFrame::UpdateTitle() {
    setWindowTitle(m_strTitle);
}

void CChildFrame::UpdateTabTip() {
    QMdiArea* area = mdiArea();
    QTabBar* tabs =
        area ? area->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!tabs) {
        return;
    }
    // The area keeps its tabs in the order of its windows, moved tabs included.
    const int index = static_cast<int>(area->subWindowList().indexOf(this));
    if (index >= 0 && index < tabs->count()) {
        tabs->setTabToolTip(
            index, m_strFileName.isEmpty() ? m_strTitle : QDir::toNativeSeparators(m_strFileName));
    }
}

// The area sets the tip to the title whenever the title changes; this runs after it.
void CChildFrame::changeEvent(QEvent* event) {
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::ModifiedChange) {
        UpdateTabTip();
    }
}

void CChildFrame::MarkRecovered() {
    m_pHistory->resetClean();
    m_pDoc->SetModifiedFlag();
    UpdateTitle();
}

bool CChildFrame::Save() {
    if (m_strFileName.isEmpty() || m_bReadInPart) {
        return SaveAs();
    }
    return SaveTo(m_strFileName);
}

bool CChildFrame::SaveAs() {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(DrawingFileFilter());
    dialog.setDefaultSuffix(QStringLiteral("qlp"));
    dialog.selectFile(m_strFileName.isEmpty() ? m_strTitle : m_strFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    const QString fileName = dialog.selectedFiles().constFirst();
    if (IsFileNameTooLong(fileName)) {
        AppServices().MessageBox(exdocmgr::kPathTooLong, ExMessageIcon::Stop, ExMessageButtons::Ok);
        return false;
    }
    return SaveTo(fileName);
}

bool CChildFrame::IsOpenElsewhere(const QString& fullName) const {
    const QMdiArea* area = mdiArea();
    if (!area) {
        return false;
    }
    for (QMdiSubWindow* window : area->subWindowList()) {
        const auto* other = qobject_cast<const CChildFrame*>(window);
        if (other && other != this && !other->FileName().isEmpty() &&
            FullFileName(other->FileName()) == fullName) {
            return true;
        }
    }
    return false;
}

bool CChildFrame::SaveTo(const QString& fileName) {
    // Written through its links, so that a link to a drawing stays a link.
    const QString fullName = FullFileName(fileName);
    if (IsOpenElsewhere(fullName)) {
        AppServices().MessageBox(exdocmgr::kAlreadyOpen, ExMessageIcon::Exclamation,
                                 ExMessageButtons::Ok);
        return false;
    }
    // A text being typed is saved as it will stay, turned back and on the history.
    m_pView->CancelTool();
    m_pView->FillViewSettings(m_pDoc->ViewSettings());
    // Which elements are on the sheet is a question for this drawing's view.
    ExActiveViewScope converting(m_pView);
    if (!m_pDoc->OnSaveDocument(QFileInfo(fullName).filesystemAbsoluteFilePath())) {
        return false;
    }
    m_pHistory->setClean();
    m_strFileName = fullName;
    m_strTitle = TitleOfFile(fullName);
    m_bReadInPart = false;
    UpdateTitle();
    UpdateTabTip();
    emit saved(fullName);
    return true;
}

bool CChildFrame::QuerySave() {
    m_pView->CancelTool();
    if (!m_pDoc->IsModified()) {
        return true;
    }
    const QString question = QStringLiteral("%1 への変更を保存しますか?").arg(m_strTitle);
    const auto answer = QMessageBox::question(
        this, QString::fromUtf8(exmsg::kAppName), question,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    return answer == QMessageBox::No || (answer == QMessageBox::Yes && Save());
}

void CChildFrame::CloseAnswered() {
    m_bAnswered = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!m_bAnswered && !QuerySave()) {
        event->ignore();
        return;
    }
    if (GetActiveView() == m_pView) {
        m_pView->Activate(false);
    }
    QMdiSubWindow::closeEvent(event);
}
