#include "showsearch.h"
#include "zv_resources.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zvInitResources();
    showsearch w;
    w.show();
    return app.exec();
}
