// The help menu: the user manual shipped with the program, the web pages, the version.

#include "MainFrame.h"
#include "ProgramFolders.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QUrl>

namespace {

const char* const kManualMissing = "マニュアルが見つかりません。";
const char* const kNoBrowser = "マニュアルを表示するブラウザを起動できませんでした。";

} // namespace

QString CMainFrame::ManualFile() {
    return QDir(ProgramDataFolder()).filePath(QStringLiteral("manual/index.html"));
}

void CMainFrame::BuildHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    connect(AddAction(menu, QStringLiteral("helpContents"), QStringLiteral("目次(&H)")),
            &QAction::triggered, this, &CMainFrame::OnHelpContents);
    connect(AddAction(menu, QStringLiteral("helpAbout"), QStringLiteral("バージョン情報(&A)...")),
            &QAction::triggered, this, &CMainFrame::OnAbout);
    // The web pages are set when the program is built; without them the entries stay hidden.
    const QString homePage = QStringLiteral(QP_HOME_PAGE_URL);
    QAction* home = AddAction(menu, QStringLiteral("helpHomePage"),
                              QStringLiteral("クイルプラン ホームページ(&W)"));
    home->setVisible(!homePage.isEmpty());
    connect(home, &QAction::triggered, this,
            [homePage] { QDesktopServices::openUrl(QUrl(homePage)); });
    const QString partsShop = QStringLiteral(QP_PARTS_SHOP_URL);
    QAction* shop =
        AddAction(menu, QStringLiteral("helpPartsShop"), QStringLiteral("部品購入(&P)"));
    shop->setStatusTip(QStringLiteral("部品購入画面に移ります"));
    shop->setVisible(!partsShop.isEmpty());
    connect(shop, &QAction::triggered, this,
            [partsShop] { QDesktopServices::openUrl(QUrl(partsShop)); });
}

void CMainFrame::OnHelpContents() {
    const QString manual = ManualFile();
    if (!QFileInfo::exists(manual)) {
        AppServices().MessageBox(kManualMissing, ExMessageIcon::Exclamation, ExMessageButtons::Ok);
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(manual))) {
        // The manual is a plain page: named in full, any browser can be pointed at it.
        const QString text = QString::fromUtf8(kNoBrowser) + QLatin1Char('\n') +
                             QDir::toNativeSeparators(QFileInfo(manual).absoluteFilePath());
        AppServices().MessageBox(text.toStdString(), ExMessageIcon::Exclamation,
                                 ExMessageButtons::Ok);
    }
}

void CMainFrame::OnAbout() {
    QMessageBox::about(this, QStringLiteral("バージョン情報"),
                       QStringLiteral("<p><b>クイルプラン</b> (QuillPlan)</p>"
                                      "<p>バージョン %1</p><p>レイアウト図面作成ソフト</p>")
                           .arg(QStringLiteral(QP_VERSION)));
}
