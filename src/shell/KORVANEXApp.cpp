#include "KORVANEXApp.h"

#include "AppSettings.h"
#include "ExErrorLog.h"
#include "ExException.h"
#include "ExImageParts.h"
#include "ExSplashDlg.h"
#include "KORVNEXDocMgr.h"
#include "MainFrame.h"
#include "ProgramFolders.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cmath>

CKORVANEXApp::CKORVANEXApp() = default;

CKORVANEXApp::~CKORVANEXApp() = default;

bool CKORVANEXApp::InitInstance(const QStringList& arguments, bool showSplash) {
    try {
        // The names come first: the per-user folders of the log and the settings follow them.
        QCoreApplication::setOrganizationName(QString::fromUtf8(kOrganisation));
        QCoreApplication::setApplicationName(QString::fromUtf8(kApplication));
        QApplication::setWindowIcon(CExSplashDlg::Icon());
        m_strProgramFolder = ProgramDataFolder();
        if (showSplash) {
            m_pSplash = std::make_unique<CExSplashDlg>();
            m_pSplash->Start();
        }
        exlog::Start(LogFolder().toStdString(), exlog::kLogName, exlog::kTitle);
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            m_szWorkArea = screen->availableGeometry().size();
            // Pictures placed on drawings are sized for this screen and bounded by its area.
            SetImageDisplay(
                {std::max(1, static_cast<int>(std::lround(screen->logicalDotsPerInch()))),
                 m_szWorkArea.width(), m_szWorkArea.height()});
        }

        QSettings settings;
        const ExWindowState windowState = LoadWindowState(settings);
        m_pMainFrame = std::make_unique<CMainFrame>();
        if (!m_pMainFrame->IsCreated()) {
            m_pMainFrame.reset();
            return false;
        }
        if (m_pSplash) {
            QObject::connect(m_pSplash.get(), &CExSplashDlg::closed, m_pMainFrame.get(),
                             qOverload<>(&QWidget::update));
        }
        m_pMainFrame->ProcessCommandLine(arguments);
        if (!windowState.rect.isNull()) {
            m_pMainFrame->setGeometry(windowState.rect);
        }
        if (windowState.StartShowCommand() == exshow::kMaximized) {
            m_pMainFrame->showMaximized();
        } else {
            m_pMainFrame->showNormal();
        }
        if (m_pSplash && m_pSplash->isVisible()) {
            m_pSplash->raise();
        }
        return true;
    } catch (...) {
        ReportCaughtException();
        return false;
    }
}

int RunProgram() {
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 10));
    // The toolkit's own buttons and dialogs speak the program's language.
    QTranslator toolkit;
    if (toolkit.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&toolkit);
    }
    CSingleInstance instance(CSingleInstance::DefaultKey());
    if (instance.SendToRunning(FileArguments(QApplication::arguments()))) {
        return 0;
    }
    CKORVANEXApp program;
    if (!program.InitInstance(QApplication::arguments())) {
        return 1;
    }
    instance.Listen();
    QObject::connect(&instance, &CSingleInstance::filesReceived, program.MainFrame(),
                     &CMainFrame::OpenLaunchedFiles);
    // What a crash left unsaved is offered once the window is up.
    QTimer::singleShot(0, program.MainFrame(), &CMainFrame::OfferRecovery);
    return QApplication::exec();
}
