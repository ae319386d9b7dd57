#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace abaquino::ui {

// What a screen reader is to say at once: results with their conversion, and failures. Qt 6.4
// has no announcement event; a notification that shows is spoken, so the announcer is an empty
// notification that shows again with the words as its name.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    void Say(const QString& words);
    QString LastSaid() const { return accessibleName(); }
    const QStringList& Said() const { return said_; }  // everything said, in order

    // Makes screen readers see every announcer as a notification. Once, before the first window.
    static void Register();

private:
    QStringList said_;
};

}  // namespace abaquino::ui
