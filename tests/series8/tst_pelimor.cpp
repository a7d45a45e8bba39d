// The Pelimor window: drawn as the switcher's front panel, with nothing wired.
// No key or fader sends a command (the layer logs every command it builds,
// even one without a target, so the log shows any).

#include "log_capture.h"
#include "series8_style.h"
#include "widget_events.h"
#include "zv_resources.h"

#include "ambrelo_top.h"
#include "druvela_workdata.h"
#include "pelimor.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

namespace {

// The switcher panel's sheet for slider_ch1; the other two differ only in
// the horizontal handle and the part after it.
const QString kSheetCh1 = QStringLiteral(
    "QSlider::vertical{background:transparent;padding-top:12px;padding-bottom:3px;min-width:25px;}QSlider::groove:"
    "vertical {background:rgb(45,152,255);width:4px;}QSlider::handle:vertical {background:rgb(45,152,255);height: "
    "10px;border-radius:5px;margin:0px -8px;}QSlider::handle:pressed:vertical {background-color:white;}QSlider::add-"
    "page:Vertial{background-color: rgb(45,152,255);}QSlider::sub-page:Vertial {background-color:gray;}QSlider::"
    "horizontal{background:transparent;min-height:25px;}QSlider::groove:horizontal {background:rgb(45,152,255);"
    "height:4px;}QSlider::handle:horizontal {background:rgb(45,152,255);width: 10px;border-radius:5px;margin:-8px "
    "0px;}QSlider::handle:pressed:horizontal {background-color:white;}QSlider::add-page:horizontal{background-color: "
    "gray;}QSlider::sub-page:horizontal {background-color:rgb(25,232,0);}QLabel{color:rgb(45,152,255);}");

QString sheet(const char* handle, const char* after)
{
    return QString(kSheetCh1)
        .replace(QLatin1String("handle:horizontal {background:rgb(45,152,255)"),
                 QLatin1String("handle:horizontal {background:") + QLatin1String(handle))
        .replace(QLatin1String("add-page:horizontal{background-color: gray"),
                 QLatin1String("add-page:horizontal{background-color: ") + QLatin1String(after));
}

const char* const kKeys[] = {"btn_ch1", "btn_afv", "btn_mute", "btn_ch2", "btn_rate1", "btn_reset", "btn_reso",
                             "btn_mix", "btn_fade", "btn_wipe", "btn_pip", "btn_pop", "btn_still"};

} // namespace

class tst_pelimor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { zvInitResources(); }
    void window();
    void nothingIsWired();
    void looks();
};

void tst_pelimor::window()
{
    Pelimor p;
    QCOMPARE(p.objectName(), QStringLiteral("Pelimor"));
    QCOMPARE(p.size(), QSize(481, 593));
    QCOMPARE(p.windowTitle(), QStringLiteral("Qavo"));
    QCOMPARE(p.windowFlags() & (Qt::Dialog | Qt::FramelessWindowHint), Qt::Dialog | Qt::FramelessWindowHint);
    QCOMPARE(p.styleSheet(), QStringLiteral("QWidget{background-color:rgb(32,32,32);border:0px solid white;}"));
    QVERIFY(p.findChild<Ambrelo_TOP*>(QStringLiteral("widget")));
    // Its own idle layer.
    QVERIFY(p.findChild<Druvela_workdata*>(QString(), Qt::FindDirectChildrenOnly));

    for (const char* key : kKeys) {
        auto* b = p.findChild<QPushButton*>(key);
        QVERIFY2(b && b->styleSheet() == Series8Style::key(false), key);
        QCOMPARE(b->minimumSize(), QSize(60, 34));
        QCOMPARE(b->maximumSize(), QSize(60, 34));
    }
    QCOMPARE(p.findChildren<QPushButton*>().size() - p.findChild<Ambrelo_TOP*>()->findChildren<QPushButton*>().size(),
             int(std::size(kKeys)));
    QCOMPARE(p.findChild<QGroupBox*>("g_upper")->styleSheet(), QStringLiteral("QGroupBox{border:2px solid red;}"));
    QCOMPARE(p.findChild<QGroupBox*>("g_1")->styleSheet(), QStringLiteral("QGroupBox{border:1px solid green;}"));
    QCOMPARE(p.findChild<QGroupBox*>("g_2")->styleSheet(), QStringLiteral("QGroupBox{border:1px solid red;}"));
    for (const char* label : {"label_title", "label_ch1", "label_ch2", "label_reso"})
        QCOMPARE(p.findChild<QLabel*>(label)->styleSheet(), QStringLiteral("color:white"));
    QCOMPARE(p.findChild<QLabel*>("label_title")->font().pointSize(), 20);

    const struct { const char* name; QString sheet; } sliders[] = {
        {"slider_ch1", kSheetCh1},
        {"slider_ch2", sheet("rgb(25,250,0)", "gray")},
        {"slider_auto", sheet("white", "rgb(240,46,0)")}};
    for (const auto& s : sliders) {
        auto* slider = p.findChild<QSlider*>(s.name);
        QCOMPARE(slider->styleSheet(), s.sheet);
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 99);
    }
    // Each lamp setter lights its own key.
    const QList<void (Pelimor::*)(bool)> setters = {
        &Pelimor::on_Style_btnCH1, &Pelimor::on_Style_btnAfv, &Pelimor::on_Style_btnMute, &Pelimor::on_Style_btnCH2,
        &Pelimor::on_Style_btnRate, &Pelimor::on_Style_btnReset, &Pelimor::on_Style_btnReso, &Pelimor::on_Style_btnMix,
        &Pelimor::on_Style_btnFADE, &Pelimor::on_Style_btnWipe, &Pelimor::on_Style_btnPip, &Pelimor::on_Style_btnPop,
        &Pelimor::on_Style_btnStill};
    for (int i = 0; i < setters.size(); ++i) {
        (p.*setters[i])(true);
        for (int k = 0; k < setters.size(); ++k)
            QCOMPARE(p.findChild<QPushButton*>(kKeys[k])->styleSheet(), Series8Style::key(k == i));
        (p.*setters[i])(false);
    }
}

void tst_pelimor::nothingIsWired()
{
    Pelimor p;
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    LogCapture log;
    for (const char* key : kKeys) {
        QTest::mouseClick(p.findChild<QPushButton*>(key), Qt::LeftButton);
        p.findChild<QPushButton*>(key)->click();
        QCOMPARE(p.findChild<QPushButton*>(key)->styleSheet(), Series8Style::key(false));
    }
    for (auto* slider : p.findChildren<QSlider*>()) {
        slider->setValue(50);
        QTest::keyClick(slider, Qt::Key_Up);
        QVERIFY(slider->value() != 0);
    }
    QCoreApplication::processEvents();
    QVERIFY2(log.messages().filter(QStringLiteral("senbuf")).isEmpty(), qPrintable(log.messages().join('\n')));
    QVERIFY2(log.messages().isEmpty(), qPrintable(log.messages().join('\n')));
}

void tst_pelimor::looks()
{
    Pelimor p;
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    p.grab().save(QStringLiteral("/tmp/zv_pelimor.png"));
}

QTEST_MAIN(tst_pelimor)
#include "tst_pelimor.moc"
