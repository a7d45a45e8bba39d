// The pattern page: each field sends the pattern command with its item and a
// 16-bit value, low byte first; device values are shown held to the ranges.

#include "page_rig.h"
#include "pattern_page.h"
#include "zv_resources.h"

#include <QSpinBox>

class tst_pattern_page : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zvInitResources(); }

    void startValuesAndNothingSent();
    void fieldSends_data();
    void fieldSends();
    void sizeAtItsTopStaysSilent();
    void setters_data();
    void setters();
};

static const int kPatternCmd = 0xDB;

static const char* const kNames[] = {"spinBoxPattern",     "spinBoxHPosition",   "spinBoxVPosition",
                                     "spinBoxSize",        "spinBoxHStretching", "spinBoxVStretching",
                                     "spinBoxPatternNum"};

static QSpinBox* field(PATTERN_PAGE& page, int item)
{
    return page.findChild<QSpinBox*>(QLatin1String(kNames[item]));
}

void tst_pattern_page::startValuesAndNothingSent()
{
    PageRig rig;
    PATTERN_PAGE page(nullptr, rig.fun.get());
    for (int item = 0; item < 7; ++item)
        QCOMPARE(field(page, item)->value(), item == PATTERN_PAGE::Size ? 50 : 0);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pattern_page::fieldSends_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("steps");  // arrow steps up; 0 means the value is typed in
    QTest::addColumn<int>("typed");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("H position one step") << 1 << 1 << 0 << bytes({1, 10, 0});
    QTest::newRow("V position one step") << 2 << 1 << 0 << bytes({2, 10, 0});
    QTest::newRow("size one step from 50") << 3 << 1 << 0 << bytes({3, 52, 0});
    QTest::newRow("pattern one step") << 0 << 1 << 0 << bytes({0, 1, 0});
    QTest::newRow("pattern num one step") << 6 << 1 << 0 << bytes({6, 1, 0});
    QTest::newRow("H position 1920") << 1 << 0 << 1920 << bytes({1, 0x80, 0x07});
    QTest::newRow("V position 1080") << 2 << 0 << 1080 << bytes({2, 0x38, 0x04});
    QTest::newRow("size 257") << 3 << 0 << 257 << bytes({3, 0x01, 0x01});
    QTest::newRow("H stretching 255") << 4 << 0 << 255 << bytes({4, 0xFF, 0x00});
    QTest::newRow("V stretching 7") << 5 << 0 << 7 << bytes({5, 7, 0});
}

void tst_pattern_page::fieldSends()
{
    QFETCH(int, item);
    QFETCH(int, steps);
    QFETCH(int, typed);
    QFETCH(QByteArray, data);

    PageRig rig;
    PATTERN_PAGE page(nullptr, rig.fun.get());
    if (steps)
        field(page, item)->stepBy(steps);
    else
        field(page, item)->setValue(typed);
    ZV_EXPECT_ONE_FRAME(rig, kPatternCmd, data);
}

void tst_pattern_page::sizeAtItsTopStaysSilent()
{
    PageRig rig;
    PATTERN_PAGE page(nullptr, rig.fun.get());
    QSpinBox* size = field(page, PATTERN_PAGE::Size);
    size->setValue(1080);
    ZV_EXPECT_ONE_FRAME(rig, kPatternCmd, bytes({3, 0x38, 0x04}));
    size->stepBy(1);
    QCOMPARE(size->value(), 1080);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pattern_page::setters_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("words");  // H, V, size, H stretching, V stretching as (hi, lo)
    QTest::addColumn<int>("num");
    QTest::addColumn<QList<int>>("shown");  // the seven fields in item order

    QTest::newRow("in range") << 3 << bytes({0x07, 0x80, 0x04, 0x38, 0x01, 0x00, 0x00, 0x10, 0x00, 0x20}) << 2
                              << QList<int>{3, 1920, 1080, 256, 16, 32, 2};
    QTest::newRow("held to the ranges")
        << 12 << bytes({0xFF, 0xFF, 0x10, 0x00, 0x00, 0x0A, 0x01, 0x00, 0x7F, 0x00}) << 7
        << QList<int>{9, 1920, 1080, 50, 255, 255, 5};
}

void tst_pattern_page::setters()
{
    QFETCH(int, type);
    QFETCH(QByteArray, words);
    QFETCH(int, num);
    QFETCH(QList<int>, shown);

    PageRig rig;
    PATTERN_PAGE page(nullptr, rig.fun.get());
    const auto b = [&](int i) { return uint8_t(words.at(i)); };
    {
        DevStateGuard applying;
        page.set_PATTERN_Type(uint8_t(type));
        page.set_Hposition_Style(b(0), b(1));
        page.set_Vposition_Style(b(2), b(3));
        page.set_Size_Style(b(4), b(5));
        page.set_HStretching_Style(b(6), b(7));
        page.set_VStretching_Style(b(8), b(9));
        page.set_tretching_Style(uint8_t(num));
    }
    for (int item = 0; item < 7; ++item)
        QCOMPARE(field(page, item)->value(), shown.at(item));
    ZV_EXPECT_NO_FRAME(rig);
}

QTEST_MAIN(tst_pattern_page)
#include "tst_pattern_page.moc"
