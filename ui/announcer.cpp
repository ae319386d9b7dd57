#include "ui/announcer.h"

#include <QAccessibleWidget>

namespace abaquino::ui {

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);  // nothing to see: it only speaks
    hide();
}

void Announcer::Say(const QString& words)
{
    said_.append(words);
    hide();
    setAccessibleName(words);
    show();  // showing is what the screen reader announces
}

void Announcer::Register()
{
    QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
        if (className != QLatin1String(Announcer::staticMetaObject.className()) || !object->isWidgetType()) {
            return nullptr;
        }
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    });
}

}  // namespace abaquino::ui
