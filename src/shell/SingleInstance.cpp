#include "SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

#include <unistd.h>

namespace {

constexpr int kTimeoutMs = 2000;
// A launch sends at most this much; anything longer is not a list of file names.
constexpr qint64 kMaxMessageBytes = 1 << 20;

} // namespace

CSingleInstance::CSingleInstance(const QString& key, QObject* parent)
    : QObject(parent), m_strKey(key), m_pServer(new QLocalServer(this)) {
    connect(m_pServer, &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
}

CSingleInstance::~CSingleInstance() = default;

// One program per user and display: a second session of the same user, on another screen or
// a virtual one, starts its own.
QString CSingleInstance::DefaultKey() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) {
        display = qEnvironmentVariable("DISPLAY");
    }
    display.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return QStringLiteral("quillplan-%1-%2").arg(getuid()).arg(display);
}

bool CSingleInstance::SendToRunning(const QStringList& fileNames) const {
    QLocalSocket socket;
    socket.connectToServer(m_strKey);
    if (!socket.waitForConnected(kTimeoutMs)) {
        return false;
    }
    QStringList absolute;
    for (const QString& name : fileNames) {
        absolute.append(QFileInfo(name).absoluteFilePath());
    }
    socket.write(absolute.join(QLatin1Char('\n')).toUtf8() + '\0');
    return socket.waitForBytesWritten(kTimeoutMs);
}

bool CSingleInstance::Listen() {
    m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (m_pServer->listen(m_strKey)) {
        return true;
    }
    // A program that ended without closing its channel leaves it behind.
    QLocalServer::removeServer(m_strKey);
    return m_pServer->listen(m_strKey);
}

void CSingleInstance::OnNewConnection() {
    while (QLocalSocket* socket = m_pServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() > kMaxMessageBytes) {
                socket->abort();
                return;
            }
            if (!socket->peek(kMaxMessageBytes).contains('\0')) {
                return;
            }
            const QByteArray message = socket->readAll();
            const QString text = QString::fromUtf8(message.left(message.indexOf('\0')));
            QStringList names = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            emit filesReceived(names);
        });
    }
}
