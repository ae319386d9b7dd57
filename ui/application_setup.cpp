#include "application_setup.h"

#include "look.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

namespace abaquino::ui {

void PrepareApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Abaquino"));
    QApplication::setApplicationVersion(QStringLiteral("1.8"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setWindowIcon(ProgramIcon());

    // The program is Italian whatever the user's locale; numbers never go through it.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral(":/i18n/qtbase_it.qm"))) {
        QApplication::installTranslator(translator);
    }
    InstallFontSubstitutes();
}

}  // namespace abaquino::ui
