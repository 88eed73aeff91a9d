// The two library panels beside the drawings, the parts list and the drawing settings.

#include "ChildFrame.h"
#include "DrawSettingDialog.h"
#include "ExErrorLog.h"
#include "ExPartsLibrary.h"
#include "KORVANEXView.h"
#include "MainFrame.h"
#include "PartsCategoryCtrl.h"
#include "PartsListDlg.h"
#include "PartsThumbnailCtrl.h"
#include "ProgramFolders.h"

#include <QDir>
#include <QDockWidget>

void CMainFrame::BuildPanels() {
    m_pCategoryCtrl = new CPartsCategoryCtrl(this);
    m_pThumbnailCtrl = new CPartsThumbnailCtrl(this);
    m_pThumbnailCtrl->SetLibraryFolder(LibraryFolder());
    m_pThumbnailCtrl->SetTargetDocument([this]() -> CKORVANEXDoc* {
        CKORVANEXView* view = ActiveView();
        return view ? &view->Document() : nullptr;
    });
    connect(m_pCategoryCtrl, &CPartsCategoryCtrl::categorySelected, this,
            [this](const QString& category) {
                if (m_pThumbnailCtrl->SetCategory(category)) {
                    m_pThumbnailCtrl->Reload();
                }
            });

    m_pCategoryDock = new QDockWidget(QStringLiteral("部品カテゴリ"), this);
    m_pCategoryDock->setObjectName(QStringLiteral("partsCategoryPanel"));
    m_pCategoryDock->setWidget(m_pCategoryCtrl);
    m_pThumbnailDock = new QDockWidget(QStringLiteral("部品サムネイル"), this);
    m_pThumbnailDock->setObjectName(QStringLiteral("partsThumbnailPanel"));
    m_pThumbnailDock->setWidget(m_pThumbnailCtrl);
    addDockWidget(Qt::LeftDockWidgetArea, m_pCategoryDock);
    splitDockWidget(m_pCategoryDock, m_pThumbnailDock, Qt::Vertical);
    resizeDocks({m_pCategoryDock}, {270}, Qt::Horizontal);
    resizeDocks({m_pCategoryDock, m_pThumbnailDock}, {200, 400}, Qt::Vertical);
}

// Without its library, or without the outer walls every plan starts with, the program still
// draws: the panels stay empty, and the user and the log are told why, once.
void CMainFrame::ReadLibrary() {
    const QString folder = LibraryFolder();
    if (m_pCategoryCtrl->Build(folder)) {
        return;
    }
    const QString problem = QDir(folder).exists()
                                ? QStringLiteral("部品フォルダに「%1」が見つかりません。")
                                      .arg(QString::fromUtf8(exlibrary::kOuterWallFolder))
                                : QStringLiteral("部品フォルダが見つかりません。");
    const QString shown = QDir::toNativeSeparators(folder);
    exlog::WriteLine((problem + QLatin1Char(' ') + shown).toStdString());
    const QString message = problem + QLatin1Char('\n') + shown + QLatin1Char('\n') +
                            QStringLiteral("部品カテゴリと部品サムネイルには何も表示されません。");
    AppServices().MessageBox(message.toStdString(), ExMessageIcon::Exclamation,
                             ExMessageButtons::Ok);
}

QString CMainFrame::LibraryFolder() const {
    return QDir(ProgramDataFolder()).filePath(QString::fromUtf8(exlibrary::kFolderName));
}

void CMainFrame::OnPartsList(ExPartsListKind kind) {
    if (CKORVANEXView* view = ActiveView()) {
        CPartsListDlg dialog(view->Document(), kind, this);
        dialog.exec();
    }
}

void CMainFrame::OnDrawSettings() {
    CDrawSettingDialog dialog(DrawingDefaults(), CableKinds(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    SetDrawingDefaults(dialog.Defaults());
    m_services.SetCableKinds(dialog.CableKinds());
    // The settings belong to no drawing: every open one takes them at once.
    for (CChildFrame* child : Children()) {
        child->Document().UpdateAllViews(nullptr, ExDocUpdate::RedrawAll());
    }
}

void CMainFrame::ShowOuterWalls() {
    m_pCategoryDock->show();
    m_pThumbnailDock->show();
    m_pCategoryCtrl->clearSelection();
    if (m_pThumbnailCtrl->SetCategory(QString::fromUtf8(exlibrary::kOuterWallFolder) + '/')) {
        m_pThumbnailCtrl->Reload();
    }
}
