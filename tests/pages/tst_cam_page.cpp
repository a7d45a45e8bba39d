// The camera page: each control sends the camera-settings command with its
// item and value; the device's values come back through the setters.

#include "cam_page.h"
#include "page_rig.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

class tst_cam_page : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zvInitResources(); }

    void startsWithFirstItemsAndSendsNothing();
    void controlSends_data();
    void controlSends();
    void setters_data();
    void setters();
    void addressIsReadOnly();
    void hideZoomKeepsOtherRows();
};

static const int kCamCmd = 0x71;

void tst_cam_page::startsWithFirstItemsAndSendsNothing()
{
    PageRig rig;
    CAM_PAGE page(nullptr, rig.fun.get());
    QCOMPARE(page.findChild<QLineEdit*>(QStringLiteral("lineAddress"))->text(), QString());
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("comboBox_baud"))->currentText(), QStringLiteral("300"));
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("comboBox_protocol"))->currentText(),
             QStringLiteral("PELCO D"));
    QCOMPARE(page.findChild<QSpinBox*>(QStringLiteral("spinBoxRotationRote"))->value(), 0);
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("comboBox_zoom"))->currentText(), QStringLiteral("ZOOM"));
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("comboBox_baud"))->itemText(10), QStringLiteral("115200"));
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_cam_page::controlSends_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("item");

    QTest::newRow("baud 9600") << "comboBox_baud" << 5 << 1;
    QTest::newRow("baud 115200") << "comboBox_baud" << 10 << 1;
    QTest::newRow("protocol VISCA") << "comboBox_protocol" << 2 << 2;
    QTest::newRow("protocol PELCO P") << "comboBox_protocol" << 1 << 2;
    QTest::newRow("rotation 64") << "spinBoxRotationRote" << 64 << 3;
    QTest::newRow("rotation 1") << "spinBoxRotationRote" << 1 << 3;
    QTest::newRow("zoom FOCUS") << "comboBox_zoom" << 1 << 4;
}

void tst_cam_page::controlSends()
{
    QFETCH(QString, control);
    QFETCH(int, value);
    QFETCH(int, item);

    PageRig rig;
    CAM_PAGE page(nullptr, rig.fun.get());
    QVERIFY(setControl(&page, control, value));
    ZV_EXPECT_ONE_FRAME(rig, kCamCmd, bytes({item, value}));
}

void tst_cam_page::setters_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QString>("baudText");
    QTest::addColumn<QString>("protocolText");
    QTest::addColumn<int>("rateShown");
    QTest::addColumn<QString>("zoomText");

    QTest::newRow("in range") << 3 << 5 << 2 << 40 << 1 << "9600" << "VISCA" << 40 << "FOCUS";
    QTest::newRow("past the lists") << 255 << 11 << 3 << 200 << 2 << "" << "" << 64 << "";
}

void tst_cam_page::setters()
{
    QFETCH(int, address);
    QFETCH(int, baud);
    QFETCH(int, protocol);
    QFETCH(int, rate);
    QFETCH(int, zoom);
    QFETCH(QString, baudText);
    QFETCH(QString, protocolText);
    QFETCH(int, rateShown);
    QFETCH(QString, zoomText);

    PageRig rig;
    CAM_PAGE page(nullptr, rig.fun.get());
    {
        DevStateGuard applying;
        page.set_Address_Type(uint8_t(address));
        page.set_Baud_Style(uint8_t(baud));
        page.set_Protocol_Style(uint8_t(protocol));
        page.set_camRate_Style(uint8_t(rate));
        page.set_Zoom_Style(uint8_t(zoom));
    }
    QCOMPARE(page.findChild<QLineEdit*>(QStringLiteral("lineAddress"))->text(), QString::number(address));
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("comboBox_baud"))->currentText(), baudText);
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("comboBox_protocol"))->currentText(), protocolText);
    QCOMPARE(page.findChild<QSpinBox*>(QStringLiteral("spinBoxRotationRote"))->value(), rateShown);
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("comboBox_zoom"))->currentText(), zoomText);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_cam_page::addressIsReadOnly()
{
    PageRig rig;
    CAM_PAGE page(nullptr, rig.fun.get());
    page.set_Address_Type(7);
    auto* address = page.findChild<QLineEdit*>(QStringLiteral("lineAddress"));
    QVERIFY(address->isReadOnly());
    QTest::keyClicks(address, "12");
    QCOMPARE(address->text(), QStringLiteral("7"));
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_cam_page::hideZoomKeepsOtherRows()
{
    PageRig rig;
    CAM_PAGE page(nullptr, rig.fun.get());
    page.show();
    auto* zoom = page.findChild<QComboBox*>(QStringLiteral("comboBox_zoom"));
    auto* baud = page.findChild<QComboBox*>(QStringLiteral("comboBox_baud"));
    const QRect baudBefore = baud->geometry();
    QVERIFY(zoom->isVisible());
    page.hideCam_ZOOM();
    QVERIFY(!zoom->isVisible());
    QVERIFY(!labelWithText(&page, QStringLiteral("ZOOM"))->isVisible());
    QCOMPARE(baud->geometry(), baudBefore);
    QCOMPARE(baud->geometry(), QRect(150, 95, 80, 24));
}

QTEST_MAIN(tst_cam_page)
#include "tst_cam_page.moc"
