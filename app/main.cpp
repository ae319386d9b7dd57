#include "ui/application_setup.h"
#include "ui/form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a window system Qt aborts with advice about reinstalling. Say what failed instead, in
// one line, and end with an ordinary failure. Qt's own lines about the platform are held back
// while the application starts; every other message passes through unchanged.
QtMessageHandler qtHandler = nullptr;
QByteArray requestedPlatform;  // as Qt chooses it: -platform, else QT_QPA_PLATFORM, else X11
bool platformFound = true;

QByteArray RequestedPlatform(int argc, char* argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray option(argv[i]);
        if (option == "-platform" || option == "--platform") return argv[i + 1];
    }
    const QByteArray fromEnvironment = qgetenv("QT_QPA_PLATFORM");
    return fromEnvironment.isEmpty() ? QByteArray("xcb") : fromEnvironment;
}

QByteArray Quoted(const QByteArray& text) { return "\"" + text + "\""; }

QByteArray WhatFailed()
{
    const QByteArray platform = requestedPlatform.split(':').front();  // without its options
    if (!platformFound) return "piattaforma grafica " + Quoted(platform) + " non installata";
    if (platform.startsWith("wayland")) {
        const QByteArray socket = qgetenv("WAYLAND_DISPLAY");
        return "impossibile collegarsi al compositore Wayland " + Quoted(socket.isEmpty() ? "wayland-0" : socket);
    }
    if (platform == "xcb") {
        const QByteArray display = qgetenv("DISPLAY");
        return "impossibile aprire lo schermo " +
               (display.isEmpty() ? QByteArray("(la variabile DISPLAY non è impostata)") : Quoted(display));
    }
    return "impossibile avviare la piattaforma grafica " + Quoted(platform);
}

void WhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool platform = context.category && qstrncmp(context.category, "qt.qpa", 6) == 0;
    if (platform && message.startsWith(QLatin1String("Could not find the Qt platform plugin"))) platformFound = false;
    if (type == QtFatalMsg && message.contains(QLatin1String("platform plugin"))) {
        std::fprintf(stderr, "abaquino: %s\n", WhatFailed().constData());
        std::fflush(stderr);
        std::_Exit(1);  // at once: the half-started platform is not ours to tear down
    }
    if (!platform && qtHandler) qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[])
{
    requestedPlatform = RequestedPlatform(argc, argv);
    qtHandler = qInstallMessageHandler(WhileStarting);
    QApplication application(argc, argv);
    qInstallMessageHandler(qtHandler);
    abaquino::ui::PrepareApplication(application);
    abaquino::ui::Form1 form;
    form.show();
    return QApplication::exec();
}
