// The PIP page: the size re-ranges the position fields under pipSizeFalg
// before the size command leaves; positions leave as 16-bit values, low byte
// first; the device's values are shown through the setters.

#include "page_rig.h"
#include "pip_page.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QSpinBox>

class tst_pip_page : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zvInitResources(); }

    void startsBlankWithLargeRanges();
    void sizeChangeReRangesThenSends_data();
    void sizeChangeReRangesThenSends();
    void sizeCommandSeesNewRanges();
    void outOfRangeSizeKeepsRanges();
    void controlSends_data();
    void controlSends();
    void deviceState_data();
    void deviceState();
    void borderWidthBounds();
};

struct PipControls
{
    explicit PipControls(PIP_PAGE& p)
        : h(p.findChild<QSpinBox*>(QStringLiteral("spinBoxHPosition"))),
          v(p.findChild<QSpinBox*>(QStringLiteral("spinBoxVPosition"))),
          size(p.findChild<QComboBox*>(QStringLiteral("comboBox_size"))),
          borderEnable(p.findChild<QComboBox*>(QStringLiteral("comboBox_borderEnable"))),
          borderWidth(p.findChild<QSpinBox*>(QStringLiteral("spinBoxBorderWidth"))),
          borderColor(p.findChild<QComboBox*>(QStringLiteral("comboBox_borderColor")))
    {
    }
    QSpinBox* h;
    QSpinBox* v;
    QComboBox* size;
    QComboBox* borderEnable;
    QSpinBox* borderWidth;
    QComboBox* borderColor;
};

void tst_pip_page::startsBlankWithLargeRanges()
{
    PageRig rig;
    PIP_PAGE page(nullptr, rig.fun.get());
    PipControls c(page);
    QCOMPARE(c.size->currentIndex(), -1);
    QCOMPARE(c.borderEnable->currentIndex(), -1);
    QCOMPARE(c.borderColor->currentIndex(), -1);
    QCOMPARE(c.h->maximum(), 960);
    QCOMPARE(c.v->maximum(), 540);
    QCOMPARE(c.h->singleStep(), 10);
    QCOMPARE(c.borderWidth->value(), 2);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pip_page::sizeChangeReRangesThenSends_data()
{
    QTest::addColumn<int>("fromSize");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("toSize");
    QTest::addColumn<int>("hShown");
    QTest::addColumn<int>("vShown");
    QTest::addColumn<int>("hMax");
    QTest::addColumn<int>("vMax");

    QTest::newRow("medium 1200 to large clamps") << 1 << 1200 << 700 << 2 << 960 << 540 << 960 << 540;
    QTest::newRow("large 960 to small keeps") << 2 << 960 << 540 << 0 << 960 << 540 << 1440 << 810;
    QTest::newRow("small 1440 to medium clamps") << 0 << 1440 << 810 << 1 << 1280 << 720 << 1280 << 720;
    QTest::newRow("blank to small") << -1 << 0 << 0 << 0 << 0 << 0 << 1440 << 810;
}

void tst_pip_page::sizeChangeReRangesThenSends()
{
    QFETCH(int, fromSize);
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(int, toSize);
    QFETCH(int, hShown);
    QFETCH(int, vShown);
    QFETCH(int, hMax);
    QFETCH(int, vMax);

    PageRig rig;
    PIP_PAGE page(nullptr, rig.fun.get());
    PipControls c(page);
    {
        DevStateGuard applying;
        if (fromSize >= 0)
            page.set_Size_Style(uint8_t(fromSize));
        c.h->setValue(h);
        c.v->setValue(v);
    }
    ZV_EXPECT_NO_FRAME(rig);

    c.size->setCurrentIndex(toSize);
    QCOMPARE(c.h->value(), hShown);
    QCOMPARE(c.v->value(), vShown);
    QCOMPARE(c.h->maximum(), hMax);
    QCOMPARE(c.v->maximum(), vMax);
    QCOMPARE(c.h->minimum(), 0);
    QCOMPARE(c.h->singleStep(), 10);
    QVERIFY(!pipSizeFalg);
    // Only the size leaves; a clamped position is shown, not sent.
    ZV_EXPECT_ONE_FRAME(rig, 0xA2, bytes({toSize}));

    // Afterwards the positions send again.
    c.h->setValue(hMax == 960 ? 950 : 1000);
    ZV_EXPECT_ONE_FRAME(rig, 0xA0, hMax == 960 ? bytes({0xB6, 0x03}) : bytes({0xE8, 0x03}));
}

// A size choice leaves the new ranges in place and the flag lowered, and the
// position clamped on the way was reported with the flag raised.
void tst_pip_page::sizeCommandSeesNewRanges()
{
    PageRig rig;
    PIP_PAGE page(nullptr, rig.fun.get());
    PipControls c(page);
    int maxSeen = -1;
    bool flagSeen = true;
    connect(c.size, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [&](int) {
        maxSeen = c.h->maximum();
        flagSeen = pipSizeFalg;
    });
    c.size->setCurrentIndex(1);
    QCOMPARE(maxSeen, 1280);
    QCOMPARE(flagSeen, false);

    bool flagDuringClamp = false;
    {
        DevStateGuard applying;
        c.h->setValue(1280);
    }
    rig.frames();
    connect(c.h, QOverload<int>::of(&QSpinBox::valueChanged), this, [&](int) { flagDuringClamp = pipSizeFalg; });
    c.size->setCurrentIndex(2);
    QCOMPARE(c.h->value(), 960);
    QVERIFY(flagDuringClamp);
    ZV_EXPECT_ONE_FRAME(rig, 0xA2, bytes({2}));
}

void tst_pip_page::outOfRangeSizeKeepsRanges()
{
    PageRig rig;
    PIP_PAGE page(nullptr, rig.fun.get());
    PipControls c(page);
    page.set_Size_Style(1);
    rig.frames();
    {
        DevStateGuard applying;
        page.set_Size_Style(3);
    }
    QCOMPARE(c.size->currentIndex(), 1);
    QCOMPARE(c.h->maximum(), 1280);
    page.setCoboxSize(7);
    QCOMPARE(c.h->maximum(), 1280);
    QCOMPARE(c.v->maximum(), 720);
    QVERIFY(!pipSizeFalg);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pip_page::controlSends_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("cmd");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("H 950") << "spinBoxHPosition" << 950 << 0xA0 << bytes({0xB6, 0x03});
    QTest::newRow("H 10") << "spinBoxHPosition" << 10 << 0xA0 << bytes({0x0A, 0x00});
    QTest::newRow("V 540") << "spinBoxVPosition" << 540 << 0xA1 << bytes({0x1C, 0x02});
    QTest::newRow("border width 7") << "spinBoxBorderWidth" << 7 << 0x9F << bytes({7});
    QTest::newRow("border colour green") << "comboBox_borderColor" << 3 << 0x9E << bytes({3});
    QTest::newRow("border enable ON") << "comboBox_borderEnable" << 1 << 0x9D << bytes({1});
    QTest::newRow("border enable OFF") << "comboBox_borderEnable" << 0 << 0x9D << bytes({0});
    QTest::newRow("size medium") << "comboBox_size" << 1 << 0xA2 << bytes({1});
}

void tst_pip_page::controlSends()
{
    QFETCH(QString, control);
    QFETCH(int, value);
    QFETCH(int, cmd);
    QFETCH(QByteArray, data);

    PageRig rig;
    PIP_PAGE page(nullptr, rig.fun.get());
    QVERIFY(setControl(&page, control, value));
    ZV_EXPECT_ONE_FRAME(rig, cmd, data);

    // While a reply is applied, the same control sends nothing.
    {
        DevStateGuard applying;
        setControl(&page, control, value == 0 ? 1 : (value == 2 ? 3 : value - 1));
    }
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pip_page::deviceState_data()
{
    // State record order: enable, colour, width, size, H (hi, lo), V (hi, lo).
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("enableShown");
    QTest::addColumn<int>("colourShown");
    QTest::addColumn<int>("widthShown");
    QTest::addColumn<int>("sizeShown");
    QTest::addColumn<int>("hShown");
    QTest::addColumn<int>("vShown");

    QTest::newRow("medium, H 1280") << bytes({1, 2, 5, 1, 0x05, 0x00, 0x02, 0xD0}) << 1 << 2 << 5 << 1 << 1280
                                    << 720;
    QTest::newRow("large, H held to 960") << bytes({0, 3, 7, 2, 0x05, 0x00, 0x03, 0x00}) << 0 << 3 << 7 << 2
                                          << 960 << 540;
    QTest::newRow("small") << bytes({1, 0, 2, 0, 0x05, 0xA0, 0x03, 0x2A}) << 1 << 0 << 2 << 0 << 1440 << 810;
    QTest::newRow("out of domain ignored") << bytes({2, 4, 8, 3, 0x00, 0x64, 0x00, 0x32}) << -1 << -1 << 2 << -1
                                           << 100 << 50;
}

void tst_pip_page::deviceState()
{
    QFETCH(QByteArray, record);
    QFETCH(int, enableShown);
    QFETCH(int, colourShown);
    QFETCH(int, widthShown);
    QFETCH(int, sizeShown);
    QFETCH(int, hShown);
    QFETCH(int, vShown);

    PageRig rig;
    PIP_PAGE page(nullptr, rig.fun.get());
    PipControls c(page);
    applyWindowRecord(page, record);
    QCOMPARE(c.borderEnable->currentIndex(), enableShown);
    QCOMPARE(c.borderColor->currentIndex(), colourShown);
    QCOMPARE(c.borderWidth->value(), widthShown);
    QCOMPARE(c.size->currentIndex(), sizeShown);
    QCOMPARE(c.h->value(), hShown);
    QCOMPARE(c.v->value(), vShown);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pip_page::borderWidthBounds()
{
    PageRig rig;
    PIP_PAGE page(nullptr, rig.fun.get());
    PipControls c(page);
    c.borderWidth->stepBy(-1);
    QCOMPARE(c.borderWidth->value(), 2);
    ZV_EXPECT_NO_FRAME(rig);
    c.borderWidth->setValue(7);
    ZV_EXPECT_ONE_FRAME(rig, 0x9F, bytes({7}));
    c.borderWidth->stepBy(1);
    QCOMPARE(c.borderWidth->value(), 7);
    ZV_EXPECT_NO_FRAME(rig);
}

QTEST_MAIN(tst_pip_page)
#include "tst_pip_page.moc"
