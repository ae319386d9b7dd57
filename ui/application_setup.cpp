#include "ui/application_setup.h"

#include "ui/announcer.h"

#include <abaquino_version.h>

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QStyle>
#include <QLocale>
#include <QTranslator>

namespace abaquino::ui {

namespace {

// The abacus-and-euro icon of both windows, from 16 to 64 pixels: sharp also at twice the scale
// (the desktop's menus use the installed hicolor icons, which go up to 256). The pixels are
// stored raw (BGRA, made from the PNGs) and read in place: decoding the PNGs was a sixth of what
// the program does before its first paint beyond a bare Qt form.
QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        const QResource pixels(QStringLiteral(":/abaquino-%1.bgra").arg(size));
        if (pixels.size() != qint64{size} * size * 4) continue;
        const QImage image(pixels.data(), size, size, QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace

void PrepareApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Abaquino"));
    QApplication::setApplicationVersion(QStringLiteral(ABAQUINO_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setWindowIcon(ProgramIcon());
    Announcer::Register();

    // The windows' designed colours are set against the style's own light palette, not against
    // the desktop's theme: designed black on a dark theme's face, or the theme's white on the
    // designed grey, could not be read.
    QApplication::setPalette(QApplication::style()->standardPalette());
    // The windows are designed left to right, "+/-" and the menu's order included, whatever
    // direction the desktop (or -reverse) asks for.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    // The program is Italian whatever the user's locale; numbers never go through it.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral(":/i18n/qtbase_it.qm"))) {
        QApplication::installTranslator(translator);
    }
}

}  // namespace abaquino::ui
