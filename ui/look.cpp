#include "look.h"

#include <QFont>

namespace abaquino::ui {

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
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
