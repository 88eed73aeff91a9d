#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

class CExSplashDlg;
class CMainFrame;
class QApplication;

// The application object: starts the program in its order (program folder, splash, error log,
// settings store, main window, command line) and owns the main window.
class CKORVANEXApp {
public:
    static constexpr const char* kOrganisation = "KARDO WORKS";
    static constexpr const char* kApplication = "QUILLPLAN";

    CKORVANEXApp();
    ~CKORVANEXApp();
    CKORVANEXApp(const CKORVANEXApp&) = delete;
    CKORVANEXApp& operator=(const CKORVANEXApp&) = delete;

    // Whether the program runs. showSplash is off for tests.
    bool InitInstance(const QStringList& arguments, bool showSplash = true);

    const QString& ProgramFolder() const { return m_strProgramFolder; }
    QSize WorkArea() const { return m_szWorkArea; }
    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }

private:
    QString m_strProgramFolder;
    QSize m_szWorkArea;
    std::unique_ptr<CExSplashDlg> m_pSplash;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};

// The program once its QApplication exists: the toolkit's language and font, handing the files
// to a program already running, start-up, then the event loop. Returns the exit code.
int RunProgram();
