#include "KORVANEXApp.h"
#include "MainFrame.h"
#include "PartsCategoryCtrl.h"
#include "ProgramFolders.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

// This test runs from a folder that holds the program's font but no parts library, as a
// program whose library was removed would.
class MissingLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void withoutItsLibraryTheProgramSaysSoOnceAndStarts() {
        const QDir data(ProgramDataFolder());
        QVERIFY(data.exists(QStringLiteral("VecFont.QVF")));
        const struct {
            const char* folder; // made below the data folder first; null for none
            const char* message;
        } cases[] = {
            {nullptr, "部品フォルダが見つかりません。"},
            {"部品/07オフィス設備", "部品フォルダに「01外壁」が見つかりません。"},
        };
        for (const auto& entry : cases) {
            QDir(data.filePath(QStringLiteral("部品"))).removeRecursively();
            if (entry.folder) {
                QVERIFY(data.mkpath(QString::fromUtf8(entry.folder)));
            }
            QStringList shown;
            QTimer answer;
            connect(&answer, &QTimer::timeout, [&shown] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    shown.append(box->text());
                    box->accept();
                }
            });
            answer.start(20);
            {
                CKORVANEXApp program;
                QVERIFY(program.InitInstance({QStringLiteral("quillplan")}, false));
                QVERIFY(program.MainFrame());
                QCOMPARE(program.MainFrame()->Children().size(), 1);
                QCOMPARE(program.MainFrame()->CategoryCtrl().topLevelItemCount(), 0);
                QCOMPARE(shown.size(), 1);
                const QString message = QString::fromUtf8(entry.message);
                QVERIFY2(shown.front().startsWith(message), qPrintable(shown.front()));
                QVERIFY(shown.front().contains(
                    QDir::toNativeSeparators(data.absoluteFilePath(QStringLiteral("部品")))));

                QFile log(QDir(LogFolder()).filePath(QStringLiteral("ExErr.log")));
                QVERIFY(log.open(QIODevice::ReadOnly));
                const QStringList lines = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'));
                QCOMPARE(lines.filter(message).size(), 1);
            }
            answer.stop();
        }
        QDir(data.filePath(QStringLiteral("部品"))).removeRecursively();
    }
};

QTEST_MAIN(MissingLibraryTest)
#include "MissingLibraryTest.moc"
