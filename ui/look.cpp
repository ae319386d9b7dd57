#include "look.h"

#include <QFont>

namespace abaquino::ui {

QIcon ProgramIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/abaquino-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/abaquino-32.png"), QSize(32, 32));
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
