#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// One running program per user and display: a second launch hands the drawings it was asked to open
// to the running one and ends.
class CSingleInstance final : public QObject {
    Q_OBJECT

public:
    explicit CSingleInstance(const QString& key, QObject* parent = nullptr);
    ~CSingleInstance() override;

    // The channel's name for the current user and display.
    static QString DefaultKey();

    // Hands the file names to a running program; false when none answers.
    bool SendToRunning(const QStringList& fileNames) const;
    // Starts answering later launches; false when the channel cannot be had.
    bool Listen();

signals:
    void filesReceived(const QStringList& fileNames);

private:
    void OnNewConnection();

    QString m_strKey;
    QLocalServer* m_pServer;
};
