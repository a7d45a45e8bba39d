// A window under the main series-8 title strip whose close key is clicked as
// soon as the event loop runs. The process returns what exec() returns; 3
// when the click did not end the loop.

#include "ambrelo_top.h"
#include "image_button.h"
#include "zv_resources.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zvInitResources();
    QWidget window;
    auto* strip = new Ambrelo_TOP(&window);
    window.show();
    QTimer::singleShot(0, strip, [strip] { QTest::mouseClick(buttonShowing(strip, "close.png"), Qt::LeftButton); });
    QTimer::singleShot(60000, [] { QCoreApplication::exit(3); });
    return app.exec();
}
