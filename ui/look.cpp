#include "look.h"

#include <QFont>

namespace abaquino::ui {

QIcon ProgramIcon()
{
    QIcon icon;
    // Each size is decoded as soon as it is added, and the window manager gets them all at the
    // first show: sizes beyond 64 would only slow the start (the desktop's menus use the
    // installed hicolor icons, which go up to 256).
    for (const int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/abaquino-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void InstallFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("Comic Relief"),
                                QStringLiteral("DejaVu Sans")});
}

}  // namespace abaquino::ui
