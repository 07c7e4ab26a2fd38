#include "gui/shell/single_instance.h"

#include <unistd.h>
#include <QLocalSocket>

#include "gui/shell/qt_text.h"
#include "resources/language_table.h"
#include "resources/strings.h"

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
    // Local socket names are shared by all users of the machine; each user runs a copy.
    return qtText(windowClassName(res::text(res::kLanguageWordId))) + QLatin1Char('_') +
           QString::number(::getuid());
}

bool SingleInstance::claim() {
    QLocalSocket other;
    other.connectToServer(key_);
    if (other.waitForConnected(kConnectTimeoutMs)) {
        other.write(kRaise.data(), kRaise.size());
        other.waitForBytesWritten(kConnectTimeoutMs);
        other.disconnectFromServer();
        return false;
    }
    // Nobody answered: a socket left behind by a copy that crashed is ours to replace.
    QLocalServer::removeServer(key_);
    server_.listen(key_);
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
