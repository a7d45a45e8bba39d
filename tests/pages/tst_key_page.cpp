// The key pages: what each page's controls send under its own name, and what
// the device state shows on each.

#include "key_page.h"
#include "page_rig.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

class tst_key_page : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zvInitResources(); }

    void buildsNamedLooks_data();
    void buildsNamedLooks();
    void levelAndBackgroundSend_data();
    void levelAndBackgroundSend();
    void bothPagesKeepTheirOwnName();
    void deviceState_data();
    void deviceState();
};

static QSpinBox* level(KEY_PAGE& p)
{
    return p.findChild<QSpinBox*>(QStringLiteral("spinBoxLevel"));
}

static QComboBox* background(KEY_PAGE& p)
{
    return p.findChild<QComboBox*>(QStringLiteral("comboBox_background"));
}

void tst_key_page::buildsNamedLooks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("backgroundEnabled");
    QTest::addColumn<int>("backgroundIndex");
    QTest::addColumn<QString>("backgroundLabelColour");

    QTest::newRow("luma") << "Luma Key" << false << 1 << "color:#787878";
    QTest::newRow("chroma") << "Chroma Key" << true << -1 << "color:rgb(220,220,220)";
    QTest::newRow("dormant name") << "LUMA" << true << -1 << "";
}

void tst_key_page::buildsNamedLooks()
{
    QFETCH(QString, name);
    QFETCH(bool, backgroundEnabled);
    QFETCH(int, backgroundIndex);
    QFETCH(QString, backgroundLabelColour);

    PageRig rig;
    KEY_PAGE page(nullptr, rig.fun.get(), name);
    QCOMPARE(page.objectName(), QStringLiteral("KEY"));
    QCOMPARE(rig.fun->keyName(), name);
    QCOMPARE(background(page)->isEnabled(), backgroundEnabled);
    QCOMPARE(background(page)->currentIndex(), backgroundIndex);
    if (backgroundIndex == 1)
        QCOMPARE(background(page)->currentText(), QStringLiteral("Blue"));
    QCOMPARE(level(page)->minimum(), 0);
    QCOMPARE(level(page)->maximum(), 64);

    const QLabel* nameLabel = page.findChild<QLabel*>(QStringLiteral("labelName"));
    QVERIFY(nameLabel);
    QCOMPARE(nameLabel->text(), name);

    const QLabel* bkLabel = labelWithText(&page, QStringLiteral("Background"));
    QVERIFY(bkLabel);
    if (backgroundLabelColour.isEmpty())
        QVERIFY(bkLabel->styleSheet().isEmpty());
    else
        QVERIFY2(bkLabel->styleSheet().contains(backgroundLabelColour), qPrintable(bkLabel->styleSheet()));

    ZV_EXPECT_NO_FRAME(rig);
}

void tst_key_page::levelAndBackgroundSend_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("levelValue");
    QTest::addColumn<int>("levelCmd");        // 0: nothing sent
    QTest::addColumn<int>("backgroundIndex");  // -1: not changed
    QTest::addColumn<int>("backgroundCmd");   // 0: nothing sent

    QTest::newRow("luma level 20") << "Luma Key" << 20 << 0x94 << -1 << 0;
    QTest::newRow("luma level 64") << "Luma Key" << 64 << 0x94 << -1 << 0;
    QTest::newRow("chroma level 33, blue") << "Chroma Key" << 33 << 0x99 << 1 << 0x98;
    QTest::newRow("chroma level 1, green") << "Chroma Key" << 1 << 0x99 << 0 << 0x98;
    QTest::newRow("other name sends nothing") << "CHROMA" << 12 << 0 << 1 << 0;
}

void tst_key_page::levelAndBackgroundSend()
{
    QFETCH(QString, name);
    QFETCH(int, levelValue);
    QFETCH(int, levelCmd);
    QFETCH(int, backgroundIndex);
    QFETCH(int, backgroundCmd);

    PageRig rig;
    KEY_PAGE page(nullptr, rig.fun.get(), name);

    level(page)->setValue(levelValue);
    if (levelCmd)
        ZV_EXPECT_ONE_FRAME(rig, levelCmd, bytes({levelValue}));
    else
        ZV_EXPECT_NO_FRAME(rig);

    if (backgroundIndex >= 0) {
        background(page)->setCurrentIndex(backgroundIndex);
        if (backgroundCmd)
            ZV_EXPECT_ONE_FRAME(rig, backgroundCmd, bytes({backgroundIndex}));
        else
            ZV_EXPECT_NO_FRAME(rig);
    }

    // A reply being applied holds every change back.
    {
        DevStateGuard applying;
        level(page)->setValue(levelValue == 5 ? 6 : 5);
    }
    ZV_EXPECT_NO_FRAME(rig);
}

// The panels build the luma page first and the chroma page second on one
// controller; each page must still act as itself afterwards.
void tst_key_page::bothPagesKeepTheirOwnName()
{
    PageRig rig;
    KEY_PAGE luma(nullptr, rig.fun.get(), QStringLiteral("Luma Key"));
    KEY_PAGE chroma(nullptr, rig.fun.get(), QStringLiteral("Chroma Key"));

    level(luma)->setValue(20);
    ZV_EXPECT_ONE_FRAME(rig, 0x94, bytes({20}));
    level(chroma)->setValue(30);
    ZV_EXPECT_ONE_FRAME(rig, 0x99, bytes({30}));
    level(luma)->setValue(21);
    ZV_EXPECT_ONE_FRAME(rig, 0x94, bytes({21}));
    background(chroma)->setCurrentIndex(0);
    ZV_EXPECT_ONE_FRAME(rig, 0x98, bytes({0}));
}

void tst_key_page::deviceState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("expectIndex");
    QTest::addColumn<int>("expectLevel");

    // State values: luma level 11, blue level 22, green level 33.
    QTest::newRow("luma takes its level, mode 1") << "Luma Key" << 1 << 1 << 11;
    QTest::newRow("luma takes its level, mode 2") << "Luma Key" << 2 << 1 << 11;
    QTest::newRow("chroma blue") << "Chroma Key" << 1 << 1 << 22;
    QTest::newRow("chroma green") << "Chroma Key" << 0 << 0 << 33;
    QTest::newRow("chroma unknown mode") << "Chroma Key" << 2 << -1 << 0;
    QTest::newRow("other name") << "LUMA" << 1 << -1 << 0;
}

void tst_key_page::deviceState()
{
    QFETCH(QString, name);
    QFETCH(int, mode);
    QFETCH(int, expectIndex);
    QFETCH(int, expectLevel);

    PageRig rig;
    KEY_PAGE page(nullptr, rig.fun.get(), name);
    {
        DevStateGuard applying;
        page.setChromaSatae(uchar(mode), 11, 22, 33);
    }
    QCOMPARE(background(page)->currentIndex(), expectIndex);
    QCOMPARE(level(page)->value(), expectLevel);
    ZV_EXPECT_NO_FRAME(rig);

    // A level above the range shows the maximum.
    {
        DevStateGuard applying;
        page.setChromaSatae(0, 200, 200, 200);
    }
    if (name == QLatin1String("Luma Key") || name == QLatin1String("Chroma Key"))
        QCOMPARE(level(page)->value(), 64);
    ZV_EXPECT_NO_FRAME(rig);
}

QTEST_MAIN(tst_key_page)
#include "tst_key_page.moc"
