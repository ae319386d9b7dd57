#include "ui/application_setup.h"
#include "ui/form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with advice about reinstalling. Say what happened instead, in one
// line, and end with an ordinary failure. Qt's own lines about the platform are held back while
// the application starts; every other message passes through unchanged.
QtMessageHandler qtHandler = nullptr;

void WhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool platform = context.category && qstrncmp(context.category, "qt.qpa", 6) == 0;
    if (type == QtFatalMsg && message.contains(QLatin1String("platform plugin"))) {
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr, "abaquino: impossibile aprire lo schermo %s\n",
                     display.isEmpty() ? "(la variabile DISPLAY non è impostata)"
                                       : ("\"" + display + "\"").constData());
        std::fflush(stderr);
        std::_Exit(1);  // at once: the half-started platform is not ours to tear down
    }
    if (!platform && qtHandler) qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[])
{
    qtHandler = qInstallMessageHandler(WhileStarting);
    QApplication application(argc, argv);
    qInstallMessageHandler(qtHandler);
    abaquino::ui::PrepareApplication(application);
    abaquino::ui::Form1 form;
    form.show();
    return QApplication::exec();
}
