// One copy of the program per user: the first copy listens on a local socket named after the
// main window's class; a later start finds it, asks it to come to the front and ends.
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

    // True for the first copy, which from now on hears later starts. False when another copy
    // runs; that copy has been asked to come to the front.
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
