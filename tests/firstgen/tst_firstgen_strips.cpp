// The first-generation title strips and slider columns, and the looks the
// first-generation parts share. Nothing here opens a socket: the strips are
// given no command layer, as the panels give them none.

#include "devlog.h"
#include "face_pictures.h"
#include "firstgen_style.h"
#include "log_capture.h"
#include "panel_faces.h"
#include "plane_top.h"
#include "settings_page_frame.h"
#include "slider_columns.h"
#include "widget_events.h"
#include "zv_resources.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const char kChildArg[] = "--close-child";

// Runs in the child process: a strip in a window, its close key clicked from
// the event loop. Without the close key's exit the child ends with 3.
int runCloseChild(int argc, char** argv, const QString& which)
{
    QApplication app(argc, argv);
    QWidget window;
    QWidget* strip = which == QLatin1String("devlog") ? static_cast<QWidget*>(new Devlog(&window, nullptr))
                                                      : new Plane_Top(&window, nullptr);
    window.show();
    QTimer::singleShot(0, strip, [strip] { strip->findChild<QPushButton*>(QStringLiteral("btn_close"))->click(); });
    QTimer::singleShot(20000, [] { QCoreApplication::exit(3); });
    return app.exec();
}

void checkPicturesLoad(const QWidget* root)
{
    QStringList sheets{root->styleSheet()};
    for (const QWidget* w : root->findChildren<QWidget*>())
        sheets << w->styleSheet();
    int seen = 0;
    for (const QString& sheet : sheets) {
        for (const QString& p : picturesIn(sheet)) {
            ++seen;
            QVERIFY2(!QPixmap(p).isNull(), qPrintable(p));
        }
    }
    QVERIFY(seen > 0);
}

} // namespace

class TestFirstGenStrips : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zvInitResources(); }

    // ---- title strips ------------------------------------------------------

    void maximiseCarriesTheStateBeforeTheClick()
    {
        Plane_Top strip(nullptr, nullptr);
        QSignalSpy max(&strip, &Plane_Top::on_signals_setWinmax);
        QSignalSpy maxPlain(&strip, &Plane_Top::setWinmaxSignals);
        QSignalSpy min(&strip, &Plane_Top::on_signals_setWinmin);
        QSignalSpy minPlain(&strip, &Plane_Top::setWinminSignals);
        auto* btnMax = namedChild<QPushButton>(&strip, QStringLiteral("btn_max"));
        for (int i = 0; i < 3; ++i)
            btnMax->click();
        QCOMPARE(max.count(), 3);
        QCOMPARE(max.at(0).at(0).toBool(), false);
        QCOMPARE(max.at(1).at(0).toBool(), true);
        QCOMPARE(max.at(2).at(0).toBool(), false);
        QCOMPARE(maxPlain.count(), 3);
        QCOMPARE(min.count(), 0);
        namedChild<QPushButton>(&strip, QStringLiteral("btn_min"))->click();
        namedChild<QPushButton>(&strip, QStringLiteral("btn_min"))->click();
        QCOMPARE(min.count(), 2);
        QCOMPARE(minPlain.count(), 2);
        QCOMPARE(max.count(), 3);
    }

    void titleFollowsTheDeviceType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("line");
        // Each row starts from the title "Tesmond".
        QTest::newRow("0x21") << 0x21 << "Tesmond" << QString::fromUtf8("Plane_Top:子设备类型:21");
        QTest::newRow("0x22") << 0x22 << "Halvani" << QString::fromUtf8("Plane_Top:子设备类型:22");
        QTest::newRow("0x26") << 0x26 << "TesmondP" << QString::fromUtf8("Plane_Top:子设备类型:26");
        QTest::newRow("0x27 keeps") << 0x27 << "Tesmond" << QString::fromUtf8("Plane_Top:子设备类型:27");
        QTest::newRow("0 keeps") << 0 << "Tesmond" << QString::fromUtf8("Plane_Top:子设备类型:00");
        QTest::newRow("0x69 keeps") << 0x69 << "Tesmond" << QString::fromUtf8("Plane_Top:子设备类型:69");
    }
    void titleFollowsTheDeviceType()
    {
        QFETCH(int, type);
        QFETCH(QString, title);
        QFETCH(QString, line);
        Plane_Top strip(nullptr, nullptr);
        auto* label = namedChild<QLabel>(&strip, QStringLiteral("label_title"));
        QCOMPARE(label->text(), QString());
        LogCapture log;
        strip.setDev_Child_Type(0x21);
        log.takeAll();
        strip.setDev_Child_Type(type);
        QCOMPARE(log.messages(), QStringList{line});
        QCOMPARE(label->text(), title);
    }

    // "press" is the button pressed first (none: no press); the strip is moved
    // from (200, 150) by mouse moves of +10, 0 then +3, -7.
    void dragMovesTheWindowByTheDelta_data()
    {
        QTest::addColumn<QString>("strip");
        QTest::addColumn<int>("press");
        QTest::addColumn<QPoint>("end");
        QTest::newRow("Plane_Top left") << "plane" << int(Qt::LeftButton) << QPoint(213, 143);
        QTest::newRow("Plane_Top right") << "plane" << int(Qt::RightButton) << QPoint(213, 143);
        QTest::newRow("Plane_Top middle") << "plane" << int(Qt::MiddleButton) << QPoint(213, 143);
        QTest::newRow("Plane_Top no press") << "plane" << int(Qt::NoButton) << QPoint(200, 150);
        QTest::newRow("Devlog left") << "devlog" << int(Qt::LeftButton) << QPoint(213, 143);
        QTest::newRow("Devlog right") << "devlog" << int(Qt::RightButton) << QPoint(213, 143);
        QTest::newRow("Devlog no press") << "devlog" << int(Qt::NoButton) << QPoint(200, 150);
    }
    void dragMovesTheWindowByTheDelta()
    {
        QFETCH(QString, strip);
        QFETCH(int, press);
        QFETCH(QPoint, end);
        QWidget window;
        window.move(200, 150);
        QWidget* s = strip == QLatin1String("devlog") ? static_cast<QWidget*>(new Devlog(&window, nullptr))
                                                      : new Plane_Top(&window, nullptr);
        s->resize(400, 30);
        const auto button = Qt::MouseButton(press);
        if (button != Qt::NoButton)
            sendMouse(s, QEvent::MouseButtonPress, QPoint(5, 5), button);
        sendMouse(s, QEvent::MouseMove, QPoint(15, 5), button);
        sendMouse(s, QEvent::MouseMove, QPoint(8, -2), button);
        QCOMPARE(window.pos(), end);
        // After the release a move does nothing.
        sendMouse(s, QEvent::MouseButtonRelease, QPoint(8, -2), button);
        sendMouse(s, QEvent::MouseMove, QPoint(40, 40), Qt::NoButton);
        QCOMPARE(window.pos(), end);
    }

    void closeEndsTheProgramWithZero_data()
    {
        QTest::addColumn<QString>("strip");
        QTest::newRow("Plane_Top") << "plane";
        QTest::newRow("Devlog") << "devlog";
    }
    void closeEndsTheProgramWithZero()
    {
        QFETCH(QString, strip);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QLatin1String(kChildArg), strip});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }

    void stripsShowTheirPictures()
    {
        Plane_Top top(nullptr, nullptr);
        checkPicturesLoad(&top);
        Devlog log(nullptr, nullptr);
        checkPicturesLoad(&log);
        QSlider_Left left;
        checkPicturesLoad(&left);
        QSlider_Right right;
        checkPicturesLoad(&right);
    }

    // ---- slider columns ------------------------------------------------------

    // Each slider: its signal, the value set first, a key, the value after it.
    void sliderReportsEachChangeOnce_data()
    {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("after");
        QTest::newRow("CH1 up") << "verticalSlider_ch1" << 40 << int(Qt::Key_Up) << 42;
        QTest::newRow("CH2 down") << "verticalSlider_ch2" << 40 << int(Qt::Key_Down) << 38;
        QTest::newRow("MASTER up at top") << "verticalSlider_master" << 126 << int(Qt::Key_Up) << 127;
        QTest::newRow("T-bar up") << "verticalSlider_auto" << 60 << int(Qt::Key_Up) << 65;
        QTest::newRow("T-bar down") << "verticalSlider_auto" << 60 << int(Qt::Key_Down) << 55;
        QTest::newRow("T-bar down at bottom") << "verticalSlider_auto" << 3 << int(Qt::Key_Down) << 0;
        QTest::newRow("T-bar beyond range") << "verticalSlider_auto" << 300 << int(Qt::Key_Up) << 127;
    }
    void sliderReportsEachChangeOnce()
    {
        QFETCH(QString, slider);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, after);
        QSlider_Left left;
        QSlider_Right right;
        QObject* column = slider == QLatin1String("verticalSlider_auto") ? static_cast<QObject*>(&right) : &left;
        auto* s = namedChild<QSlider>(column, slider);
        std::unique_ptr<QSignalSpy> spyOwner;
        if (slider == QLatin1String("verticalSlider_ch1"))
            spyOwner = std::make_unique<QSignalSpy>(&left, &QSlider_Left::on_slider_ch1_vol);
        else if (slider == QLatin1String("verticalSlider_ch2"))
            spyOwner = std::make_unique<QSignalSpy>(&left, &QSlider_Left::on_slider_ch2_vol);
        else if (slider == QLatin1String("verticalSlider_master"))
            spyOwner = std::make_unique<QSignalSpy>(&left, &QSlider_Left::on_slider_mastre_vol);
        else
            spyOwner = std::make_unique<QSignalSpy>(&right, &QSlider_Right::on_slider_auto);
        QSignalSpy& spy = *spyOwner;
        s->setValue(start);
        const int shown = qBound(0, start, 127);
        QCOMPARE(spy.count(), shown == 0 ? 0 : 1);
        if (shown != 0)
            QCOMPARE(spy.takeFirst().at(0).value<uint8_t>(), uint8_t(shown));
        spy.clear();
        s->setValue(start);  // the same value again: nothing
        QCOMPARE(spy.count(), 0);
        QTest::keyClick(s, Qt::Key(key));
        QCOMPARE(s->value(), after);
        QCOMPARE(spy.count(), after == shown ? 0 : 1);
        if (after != shown)
            QCOMPARE(spy.at(0).at(0).value<uint8_t>(), uint8_t(after));
    }

    void sliderGettersLogTheirValue_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("line");
        QTest::newRow("CH1") << 1 << QString::fromUtf8("slider_auto1滑动条被关联的当前值为= 91");
        QTest::newRow("CH2") << 2 << QString::fromUtf8("slider_auto2滑动条被关联的当前值为= 91");
        QTest::newRow("MASTER") << 3 << QString::fromUtf8("slider_mastre滑动条被关联的当前值为= 91");
        QTest::newRow("T-bar") << 4 << QString::fromUtf8("slider_auto滑动条被关联的当前值为= 91");
    }
    void sliderGettersLogTheirValue()
    {
        QFETCH(int, which);
        QFETCH(QString, line);
        QSlider_Left left;
        QSlider_Right right;
        QSignalSpy tbar(&right, &QSlider_Right::on_slider_auto);
        LogCapture log;
        uchar got = 0;
        switch (which) {
        case 1: left.set_Slider1_valueChanged(91); log.takeAll(); got = left.get_Slider_ch1_valueChanged(); break;
        case 2: left.set_Slider2_valueChanged(91); log.takeAll(); got = left.get_Slider_ch2_valueChanged(); break;
        case 3: left.set_Slider3_valueChanged(91); log.takeAll(); got = left.get_Slider_master_valueChanged(); break;
        default:
            right.set_SliderAuto_valueChanged(91);
            // Setting the T-bar reports it, then writes the same line.
            QCOMPARE(tbar.count(), 1);
            QCOMPARE(log.takeAll(), QStringList{line});
            got = right.get_SliderAuto_valueChanged();
        }
        QCOMPARE(int(got), 91);
        QCOMPARE(log.messages(), QStringList{line});
    }

    void faderSizesFollowTheirSignals()
    {
        QSlider_Left left;
        const auto sliders = left.findChildren<QSlider*>();
        QCOMPARE(sliders.size(), 3);
        for (QSlider* s : sliders)
            QCOMPARE(s->size(), QSize(115, 296));
        emit left.on_slider_max();
        for (QSlider* s : sliders)
            QCOMPARE(s->size(), QSize(155, 400));
        emit left.on_slider_min();
        for (QSlider* s : sliders)
            QCOMPARE(s->size(), QSize(115, 258));
    }

    // ---- shared looks --------------------------------------------------------

    void faceRulesAreSpeltAsTheyStand_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("sheet");
        using R = PanelFaces::FaceRule;
        QTest::newRow("tight") << int(R::Tight) << "Q{border-image:url(:/p.png);}";
        QTest::newRow("bare") << int(R::Bare) << "Q{border-image:url(:/p.png)}";
        QTest::newRow("spaced") << int(R::Spaced) << "Q{border-image: url(:/p.png)}";
        QTest::newRow("spaced tight") << int(R::SpacedTight) << "Q{border-image: url(:/p.png);}";
        QTest::newRow("image") << int(R::Image) << "Q{image:url(:/p.png)}";
        QTest::newRow("image spaced") << int(R::ImageSpaced) << "Q{image: url(:/p.png)}";
        QTest::newRow("image tight") << int(R::ImageTight) << "Q{image:url(:/p.png);}";
        QTest::newRow("image spaced tight") << int(R::ImageSpacedTight) << "Q{image: url(:/p.png);}";
    }
    void faceRulesAreSpeltAsTheyStand()
    {
        QFETCH(int, rule);
        QFETCH(QString, sheet);
        QCOMPARE(PanelFaces::faceStyle(QStringLiteral("Q"), PanelFaces::FaceRule(rule), QStringLiteral(":/p.png")), sheet);
    }

    // A key whose lit rule is spelt otherwise, with a frame per state; the
    // newer panels' faces (no frame, one spelling) are left as they were.
    void framedFaceSpellsEachState()
    {
        using R = PanelFaces::FaceRule;
        PanelFaces::Face up = PanelFaces::framedFace(R::ImageTight, QStringLiteral(":/images/white/up.bmp"),
                                                     QStringLiteral("[u]"), QStringLiteral(":/images/green/UP.bmp"),
                                                     QStringLiteral("[l]"));
        up.litRule = R::ImageSpaced;
        QCOMPARE(up.style(false), QStringLiteral("QPushButton{image:url(:/images/white/up.bmp);}[u]"));
        QCOMPARE(up.style(true), QStringLiteral("QPushButton{image: url(:/images/green/UP.bmp)}[l]"));
        const PanelFaces::Face plain = PanelFaces::buttonFace(QStringLiteral(":/images/Vy/"), QStringLiteral("default"),
                                                              QStringLiteral("red"), QStringLiteral("cut.png"), R::Tight);
        QCOMPARE(plain.style(true), QStringLiteral("QPushButton{border-image:url(:/images/Vy/red/cut.png);}"));
        QCOMPARE(plain.style(false), QStringLiteral("QPushButton{border-image:url(:/images/Vy/default/cut.png);}"));
    }

    // The spin style gained its key colours as parameters; the settings
    // pages' look must not change.
    void spinStylesKeepTheirText()
    {
        const QString settings = pageframe::oldSpinStyle(false);
        QVERIFY(settings.contains(QLatin1String("border:1px solid rgb(83,83,83);background:rgb(83,83,83);}")));
        QVERIFY(settings.contains(QLatin1String("QSpinBox::down-button:pressed {background:rgb(25,25,25);border-style:flat;}")));
        QCOMPARE(settings.count(QLatin1String("rgb(83,83,83)")), 4);
        const QString firstGen = FirstGenStyle::spinStyle();
        QCOMPARE(firstGen.count(QLatin1String("rgb(54,54,54)")), 4);
        QCOMPARE(firstGen.count(QLatin1String("rgb(25,25,25)")), 2);
        QCOMPARE(QString(firstGen).replace(QLatin1String("rgb(54,54,54)"), QLatin1String("rgb(83,83,83)")), settings);
        for (const QString& p : picturesIn(firstGen))
            QVERIFY2(!QPixmap(p).isNull(), qPrintable(p));
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], kChildArg) == 0)
        return runCloseChild(argc, argv, QString::fromLatin1(argv[2]));
    QApplication app(argc, argv);
    // The columns' signals carry uint8_t, which the spies must know by name.
    qRegisterMetaType<uint8_t>("uint8_t");
    TestFirstGenStrips t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}

#include "tst_firstgen_strips.moc"
