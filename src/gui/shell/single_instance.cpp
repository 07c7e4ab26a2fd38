#include "gui/shell/single_instance.h"

#include <unistd.h>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include "gui/shell/qt_text.h"
#include "resources/language_table.h"

namespace zelvo::gui {

namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr QByteArrayView kRaise = "raise\n";

}  // namespace

SingleInstance::SingleInstance(QString key, QObject* parent)
    : QObject(parent), key_(std::move(key)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
}

QString SingleInstance::editionKey() {
    // Each user runs a copy.
    return qtText(windowClassName(kEditionLanguageWord)) + QLatin1Char('_') +
           QString::number(::getuid());
}

QString SingleInstance::socketPath(const QString& key) {
    // A bare name would be a socket in the temporary folder that every user shares.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(key);
}

bool SingleInstance::claim() {
    const QString path = socketPath(key_);
    if (path.isEmpty()) return true;
    QLocalSocket other;
    other.connectToServer(path);
    if (other.waitForConnected(kConnectTimeoutMs)) {
        other.write(kRaise.data(), kRaise.size());
        other.waitForBytesWritten(kConnectTimeoutMs);
        other.disconnectFromServer();
        return false;
    }
    // Nobody answered: a socket left behind by a copy that crashed is ours to replace.
    QLocalServer::removeServer(path);
    server_.listen(path);
    return true;
}

void SingleInstance::onNewConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(QByteArray(kRaise.data(), kRaise.size())))
                emit raiseRequested();
        });
    }
}

}  // namespace zelvo::gui
