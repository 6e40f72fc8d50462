#include <QApplication>

#include "app/formscale.h"
#include "app/mainwindow.h"

int main(int argc, char *argv[])
{
    formscale::keepstylemetrics();
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    return app.exec();
}
