#include "form1.h"
#include "look.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    abaquino::ui::InstallFontSubstitutes();
    abaquino::ui::Form1 form;
    form.show();
    return QApplication::exec();
}
