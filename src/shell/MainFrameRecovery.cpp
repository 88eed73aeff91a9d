#include "ChildFrame.h"
#include "ExViewContext.h"
#include "KORVANEXDoc.h"
#include "KORVANEXView.h"
#include "KORVNEXDocMgr.h"
#include "MainFrame.h"
#include "RecoveryDialog.h"

#include <QFileInfo>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>

namespace {

constexpr int kMillisecondsPerMinute = 60 * 1000;

} // namespace

// Copies of the modified drawings every few minutes; none when the setting is 0.
void CMainFrame::ApplyAutoSaveInterval() {
    const int minutes = DrawingDefaults().autoSaveMinutes;
    if (minutes <= 0) {
        m_autoSaveTimer.stop();
        return;
    }
    m_autoSaveTimer.start(minutes * kMillisecondsPerMinute);
}

void CMainFrame::KeepRecoveryCopies() {
    for (CChildFrame* child : Children()) {
        if (!child->Document().IsModified()) {
            m_recovery.Remove(child->RecoveryId());
            continue;
        }
        // The copy keeps the view's settings, as saving does; which elements are on the sheet
        // is a question for this drawing's view.
        child->View().FillViewSettings(child->Document().ViewSettings());
        ExActiveViewScope converting(&child->View());
        m_recovery.Write(child->RecoveryId(), child->Document(), child->FileName(), child->Title());
    }
}

void CMainFrame::WatchForRecovery(CChildFrame* child) {
    const QString id = child->RecoveryId();
    connect(child, &CChildFrame::saved, this, [this, id] { m_recovery.Remove(id); });
    // Closed as the user meant, whatever was answered about saving: nothing to recover.
    connect(child, &QObject::destroyed, this, [this, id] { m_recovery.Remove(id); });
}

void CMainFrame::OfferRecovery() {
    const QList<CRecoveryStore::Entry> entries = m_recovery.Entries();
    if (entries.isEmpty()) {
        return;
    }
    CRecoveryDialog dialog(entries, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    RestoreRecovered(dialog.Chosen());
    // What was not chosen is given up, so that it is not offered at every start.
    for (const CRecoveryStore::Entry& entry : entries) {
        m_recovery.Remove(entry.id);
    }
}

QList<CChildFrame*> CMainFrame::RestoreRecovered(const QList<CRecoveryStore::Entry>& entries) {
    QList<CChildFrame*> restored;
    for (const CRecoveryStore::Entry& entry : entries) {
        auto doc = std::make_unique<CKORVANEXDoc>();
        if (!doc->OnOpenDocument(QFileInfo(entry.copy).filesystemAbsoluteFilePath())) {
            continue;
        }
        if (entry.fileName.isEmpty()) {
            m_nDocumentNumber = std::max(m_nDocumentNumber, UntitledNumber(entry.title));
        }
        CChildFrame* child = AddChild(new CChildFrame(std::move(doc), entry.fileName, entry.title));
        child->MarkRecovered();
        // The window keeps copies of its own from now on.
        m_recovery.Remove(entry.id);
        restored.append(child);
    }
    UpdateTitle();
    return restored;
}
