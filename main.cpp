#include "AllScreens.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (!startLingoSpark())
        return 1;
    return QApplication::exec();
}
