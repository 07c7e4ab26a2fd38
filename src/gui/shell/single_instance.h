// One copy of the program per user: the first copy listens on a local socket named after the
// main window's class, in the user's own runtime folder; a later start finds it, asks it to come
// to the front and ends.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace zelvo::gui {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString key, QObject* parent = nullptr);

    // The key of this edition for the current user.
    static QString editionKey();

    // The socket of `key` in the user's runtime folder ($XDG_RUNTIME_DIR, private to the user),
    // where no other user of the machine can take the name first or answer in our place. Empty
    // when the platform gives no such folder.
    static QString socketPath(const QString& key);

    // True for the first copy, which from now on hears later starts. False when another copy
    // runs; that copy has been asked to come to the front. Without a runtime folder there is no
    // private place for the socket: every start runs (the data folder's lock still keeps a
    // second writer out).
    bool claim();
    const QString& key() const { return key_; }

signals:
    void raiseRequested();

private:
    QString key_;
    QLocalServer server_;

    void onNewConnection();
};

}  // namespace zelvo::gui
