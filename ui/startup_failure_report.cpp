#include "ui/startup_failure_report.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace abaquino::ui {

namespace {

// Qt's message handler takes no context of ours: what it needs lives here while the report does.
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

StartupFailureReport::StartupFailureReport(int argc, char* argv[])
{
    requestedPlatform = RequestedPlatform(argc, argv);
    qtHandler = qInstallMessageHandler(WhileStarting);
}

StartupFailureReport::~StartupFailureReport() { qInstallMessageHandler(qtHandler); }

}  // namespace abaquino::ui
