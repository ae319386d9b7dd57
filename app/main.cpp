#include "application_setup.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    abaquino::ui::PrepareApplication(application);
    abaquino::ui::Form1 form;
    form.show();
    return QApplication::exec();
}
