// The source page: box 1 does nothing, box 2 sends the PIP size, boxes 3 and 4
// send the chosen index as the PIP position; Exit hides the page.

#include "page_rig.h"
#include "source_page.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QPushButton>

class tst_source_page : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zvInitResources(); }

    void boxSends_data();
    void boxSends();
    void sameItemAgainSendsNothing();
    void guardedWhileReplyApplied();
    void exitHides();
};

void tst_source_page::boxSends_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("cmd");  // 0: nothing sent
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("SRC1 large") << 1 << 2 << 0 << QByteArray();
    QTest::newRow("SRC2 medium") << 2 << 1 << 0xA2 << bytes({1});
    QTest::newRow("SRC2 large") << 2 << 2 << 0xA2 << bytes({2});
    QTest::newRow("SRC3 large is H position 2") << 3 << 2 << 0xA0 << bytes({2, 0});
    QTest::newRow("SRC4 medium is V position 1") << 4 << 1 << 0xA1 << bytes({1, 0});
}

void tst_source_page::boxSends()
{
    QFETCH(int, box);
    QFETCH(int, index);
    QFETCH(int, cmd);
    QFETCH(QByteArray, data);

    PageRig rig;
    SOURCE_PAGE page(nullptr, rig.fun.get());
    ZV_EXPECT_NO_FRAME(rig);
    auto* combo = page.findChild<QComboBox*>(QStringLiteral("comboBox_src%1").arg(box));
    QVERIFY(combo);
    QCOMPARE(combo->currentText(), QStringLiteral("Small"));
    combo->setCurrentIndex(index);
    if (cmd)
        ZV_EXPECT_ONE_FRAME(rig, cmd, data);
    else
        ZV_EXPECT_NO_FRAME(rig);
}

void tst_source_page::sameItemAgainSendsNothing()
{
    PageRig rig;
    SOURCE_PAGE page(nullptr, rig.fun.get());
    auto* combo = page.findChild<QComboBox*>(QStringLiteral("comboBox_src2"));
    combo->setCurrentIndex(1);
    ZV_EXPECT_ONE_FRAME(rig, 0xA2, bytes({1}));
    combo->setCurrentIndex(1);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_source_page::guardedWhileReplyApplied()
{
    PageRig rig;
    SOURCE_PAGE page(nullptr, rig.fun.get());
    {
        DevStateGuard applying;
        for (int n = 1; n <= 4; ++n)
            page.findChild<QComboBox*>(QStringLiteral("comboBox_src%1").arg(n))->setCurrentIndex(2);
    }
    ZV_EXPECT_NO_FRAME(rig);
    {
        ScopedFlag resizing(pipSizeFalg);
        page.findChild<QComboBox*>(QStringLiteral("comboBox_src3"))->setCurrentIndex(1);
    }
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_source_page::exitHides()
{
    PageRig rig;
    SOURCE_PAGE page(nullptr, rig.fun.get());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto* exit = page.findChild<QPushButton*>(QStringLiteral("btn_exit"));
    QCOMPARE(exit->text(), QStringLiteral("Exit"));
    QCOMPARE(exit->geometry(), QRect(25, 215, 30, 20));
    exit->click();
    QVERIFY(!page.isVisible());
    ZV_EXPECT_NO_FRAME(rig);
    page.show();
    QVERIFY(page.isVisible());
}

QTEST_MAIN(tst_source_page)
#include "tst_source_page.moc"
