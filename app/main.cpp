#include "ui/application_setup.h"
#include "ui/form1.h"
#include "ui/startup_failure_report.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    auto report = std::make_unique<abaquino::ui::StartupFailureReport>(argc, argv);
    QApplication application(argc, argv);
    report.reset();
    abaquino::ui::PrepareApplication(application);
    abaquino::ui::Form1 form;
    form.show();
    return QApplication::exec();
}
