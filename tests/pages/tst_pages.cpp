// The small settings pages: which command each control reaches with which value
// (and nothing while a reply is applied), the device state each page shows, and
// the rules peculiar to each page.

#include "audio_page.h"
#include "cam_page.h"
#include "key_page.h"
#include "pattern_page.h"
#include "pip_page.h"
#include "pop_page.h"
#include "source_page.h"
#include "widget_events.h"
#include "wire_rig.h"
#include "zv_resources.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using Frames = QStringList;

// "audio", "cam", "pattern", "pip", "pop", "source"; any other text is a key page of that name.
QWidget* makePage(const QString& kind, onlyFun* fun)
{
    if (kind == QLatin1String("audio"))
        return new AUDIO_PAGE(nullptr, fun);
    if (kind == QLatin1String("cam"))
        return new CAM_PAGE(nullptr, fun);
    if (kind == QLatin1String("pattern"))
        return new PATTERN_PAGE(nullptr, fun);
    if (kind == QLatin1String("pip"))
        return new PIP_PAGE(nullptr, fun);
    if (kind == QLatin1String("pop"))
        return new POP_PAGE(nullptr, fun);
    if (kind == QLatin1String("source"))
        return new SOURCE_PAGE(nullptr, fun);
    return new KEY_PAGE(nullptr, fun, kind);
}

QSpinBox* spin(const QObject* p, const char* name) { return namedChild<QSpinBox>(p, name); }
QComboBox* combo(const QObject* p, const char* name) { return namedChild<QComboBox>(p, name); }
QPushButton* button(const QObject* p, const char* name) { return namedChild<QPushButton>(p, name); }

// Sets a combo box's item or a spin box's value, or clicks a key, as the operator would.
void setControl(QWidget* page, const QString& name, int value)
{
    if (auto* box = qobject_cast<QComboBox*>(namedChild(page, name)))
        box->setCurrentIndex(value);
    else if (auto* key = qobject_cast<QPushButton*>(namedChild(page, name)))
        key->click();
    else
        namedChild<QSpinBox>(page, name)->setValue(value);
}

// Runs f as the panels apply a reply: with updateDevStateEnable raised.
template <class Fn>
void asReply(Fn f)
{
    DevStateGuard applying;
    f();
}

// The PIP or POP fields of a state record, applied in record order as the panels'
// decoders do: border enable, colour, width, size, H (hi, lo), V (hi, lo).
template <class Page>
void applyWindowRecord(Page& page, const QByteArray& r)
{
    DevStateGuard applying;
    const auto b = [&](int i) { return uint8_t(r.at(i)); };
    page.set_BorderEnable_Style(b(0));
    page.set_BorderColor_Style(b(1));
    page.set_BorderWidth_Style(b(2));
    page.set_Size_Style(b(3));
    page.set_Hposition_Style(b(4), b(5));
    page.set_Vposition_Style(b(6), b(7));
}

using Apply = std::function<void(QWidget*)>;

template <class P, class Fn>
Apply on(Fn fn)
{
    return [fn](QWidget* w) { fn(*static_cast<P*>(w)); };
}

Apply audio(int line, int hpfs, int mic)
{
    return on<AUDIO_PAGE>([=](AUDIO_PAGE& p) {
        p.set_LineGain_Value(uchar(line));
        p.set_MicHPFS_Value(uchar(hpfs));
        p.set_MicVolume_Value(uchar(mic));
    });
}

Apply cam(int address, int baud, int protocol, int rate, int zoom)
{
    return on<CAM_PAGE>([=](CAM_PAGE& p) {
        p.set_Address_Type(uint8_t(address));
        p.set_Baud_Style(uint8_t(baud));
        p.set_Protocol_Style(uint8_t(protocol));
        p.set_camRate_Style(uint8_t(rate));
        p.set_Zoom_Style(uint8_t(zoom));
    });
}

Apply key(int mode, int luma, int blue, int green)
{
    return on<KEY_PAGE>([=](KEY_PAGE& p) { p.setChromaSatae(uchar(mode), uchar(luma), uchar(blue), uchar(green)); });
}

// H, V, size, H stretching, V stretching as (hi, lo).
Apply pattern(int type, const QByteArray& words, int num)
{
    return on<PATTERN_PAGE>([=](PATTERN_PAGE& p) {
        const auto b = [&](int i) { return uint8_t(words.at(i)); };
        p.set_PATTERN_Type(uint8_t(type));
        p.set_Hposition_Style(b(0), b(1));
        p.set_Vposition_Style(b(2), b(3));
        p.set_Size_Style(b(4), b(5));
        p.set_HStretching_Style(b(6), b(7));
        p.set_VStretching_Style(b(8), b(9));
        p.set_tretching_Style(uint8_t(num));
    });
}

template <class P>
Apply window(const QByteArray& record)
{
    return on<P>([record](P& p) { applyWindowRecord(p, record); });
}

// What a control shows: a combo box's index, a spin box's value, a line's or a button's text.
QString shown(QWidget* w)
{
    if (auto* box = qobject_cast<QComboBox*>(w))
        return QString::number(box->currentIndex());
    if (auto* box = qobject_cast<QSpinBox*>(w))
        return QString::number(box->value());
    if (auto* line = qobject_cast<QLineEdit*>(w))
        return line->text();
    return qobject_cast<QAbstractButton*>(w)->text();
}

// The pages do not depend on the model: one edition for all.
struct PageRig : rig::Rig { PageRig() : rig::Rig(0x69) {} };

} // namespace

Q_DECLARE_METATYPE(Apply)

class tst_pages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zvInitResources(); }

    void controlSends_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("arrow"); // value is a number of arrow steps
        QTest::addColumn<Frames>("sent");

        const auto row = [](const char* name, const char* page, const char* control, int value, bool arrow,
                            const char* sent) {
            QTest::newRow(name) << QString::fromLatin1(page) << QString::fromLatin1(control) << value << arrow
                                << (*sent ? Frames{QString::fromLatin1(sent)} : Frames());
        };
        // Line gain in units of 3, microphone volume offset by 18.
        row("audio line gain 24", "audio", "spinBoxLineGain", 24, false, "de 00 08");
        row("audio line gain typed 4", "audio", "spinBoxLineGain", 4, false, "de 00 01");
        row("audio mic -18", "audio", "spinBoxMicVolume", -18, false, "de 01 00");
        row("audio mic 32", "audio", "spinBoxMicVolume", 32, false, "de 01 32");
        row("audio hpfs 495", "audio", "comboBox_micHpfs", 7, false, "de 02 07");
        row("cam baud 9600", "cam", "comboBox_baud", 5, false, "71 01 05");
        row("cam protocol VISCA", "cam", "comboBox_protocol", 2, false, "71 02 02");
        row("cam rotation 64", "cam", "spinBoxRotationRote", 64, false, "71 03 40");
        row("cam zoom FOCUS", "cam", "comboBox_zoom", 1, false, "71 04 01");
        row("pip H 950", "pip", "spinBoxHPosition", 950, false, "a0 b6 03");
        row("pip V 540", "pip", "spinBoxVPosition", 540, false, "a1 1c 02");
        row("pip border width 7", "pip", "spinBoxBorderWidth", 7, false, "9f 07");
        row("pip border colour green", "pip", "comboBox_borderColor", 3, false, "9e 03");
        row("pip border enable ON", "pip", "comboBox_borderEnable", 1, false, "9d 01");
        row("pip size medium", "pip", "comboBox_size", 1, false, "a2 01");
        row("pop border width 7", "pop", "spinBoxBorderWidth", 7, false, "ab 07");
        row("pop border colour red", "pop", "comboBox_borderColor", 1, false, "aa 01");
        row("pop window key", "pop", "btn_window", 0, false, "a8 02");
        row("pop border key", "pop", "btn_borderEnable", 0, false, "a9 01");
        row("luma level 20", "Luma Key", "spinBoxLevel", 20, false, "94 14");
        row("chroma level 33", "Chroma Key", "spinBoxLevel", 33, false, "99 21");
        row("chroma background blue", "Chroma Key", "comboBox_background", 1, false, "98 01");
        row("other key name: level", "CHROMA", "spinBoxLevel", 12, false, "");
        row("other key name: background", "CHROMA", "comboBox_background", 1, false, "");
        row("pattern one step", "pattern", "spinBoxPattern", 1, true, "db 00 01 00");
        row("pattern H one step", "pattern", "spinBoxHPosition", 1, true, "db 01 0a 00");
        row("pattern size one step from 50", "pattern", "spinBoxSize", 1, true, "db 03 34 00");
        row("pattern num one step", "pattern", "spinBoxPatternNum", 1, true, "db 06 01 00");
        row("pattern H 1920", "pattern", "spinBoxHPosition", 1920, false, "db 01 80 07");
        row("pattern V 1080", "pattern", "spinBoxVPosition", 1080, false, "db 02 38 04");
        row("pattern size 257", "pattern", "spinBoxSize", 257, false, "db 03 01 01");
        row("pattern H stretching 255", "pattern", "spinBoxHStretching", 255, false, "db 04 ff 00");
        row("pattern V stretching 7", "pattern", "spinBoxVStretching", 7, false, "db 05 07 00");
        // Box 1 does nothing, box 2 sends the PIP size, boxes 3 and 4 the index as a PIP position.
        row("SRC1 large", "source", "comboBox_src1", 2, false, "");
        row("SRC2 large", "source", "comboBox_src2", 2, false, "a2 02");
        row("SRC3 large is H position 2", "source", "comboBox_src3", 2, false, "a0 02 00");
        row("SRC4 medium is V position 1", "source", "comboBox_src4", 1, false, "a1 01 00");
    }
    void controlSends()
    {
        QFETCH(QString, page);
        QFETCH(QString, control);
        QFETCH(int, value);
        QFETCH(bool, arrow);
        QFETCH(Frames, sent);

        PageRig rig;
        std::unique_ptr<QWidget> w(makePage(page, rig.fun.get()));
        QCOMPARE(rig.frames(), Frames()); // building a page sends nothing
        if (arrow)
            namedChild<QSpinBox>(w.get(), control)->stepBy(value);
        else
            setControl(w.get(), control, value);
        QCOMPARE(rig.frames(), sent);

        // While a reply is applied, the same control sends nothing.
        asReply([&] { setControl(w.get(), control, value == 1 ? 2 : 1); });
        QCOMPARE(rig.frames(), Frames());
    }

    // Each setter -> what the page shows, and no frame. Fields: "name=shown" ...
    void setterShows_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<Apply>("apply");
        QTest::addColumn<QString>("fields");
        const auto row = [](const char* name, const char* page, const Apply& apply, const char* fields) {
            QTest::newRow(name) << QString::fromLatin1(page) << apply << QString::fromLatin1(fields);
        };
        row("audio in range", "audio", audio(5, 3, 18), "spinBoxLineGain=15 comboBox_micHpfs=3 spinBoxMicVolume=0");
        row("audio bottom", "audio", audio(0, 0, 0), "spinBoxLineGain=0 comboBox_micHpfs=0 spinBoxMicVolume=-18");
        row("audio past the ranges", "audio", audio(9, 8, 51),
            "spinBoxLineGain=24 comboBox_micHpfs=-1 spinBoxMicVolume=32");
        row("audio all ones", "audio", audio(255, 255, 255),
            "spinBoxLineGain=24 comboBox_micHpfs=-1 spinBoxMicVolume=32");
        row("cam in range", "cam", cam(3, 5, 2, 40, 1),
            "lineAddress=3 comboBox_baud=5 comboBox_protocol=2 spinBoxRotationRote=40 comboBox_zoom=1");
        row("cam past the lists", "cam", cam(255, 11, 3, 200, 2),
            "lineAddress=255 comboBox_baud=-1 comboBox_protocol=-1 spinBoxRotationRote=64 comboBox_zoom=-1");
        // Key state values: luma level, blue level, green level.
        row("luma takes its level, mode 1", "Luma Key", key(1, 11, 22, 33), "comboBox_background=1 spinBoxLevel=11");
        row("chroma blue", "Chroma Key", key(1, 11, 22, 33), "comboBox_background=1 spinBoxLevel=22");
        row("chroma green", "Chroma Key", key(0, 11, 22, 33), "comboBox_background=0 spinBoxLevel=33");
        row("chroma unknown mode", "Chroma Key", key(2, 11, 22, 33), "comboBox_background=-1 spinBoxLevel=0");
        row("other key name", "LUMA", key(1, 11, 22, 33), "comboBox_background=-1 spinBoxLevel=0");
        row("luma level above the range", "Luma Key", key(0, 200, 200, 200), "spinBoxLevel=64");
        row("chroma level above the range", "Chroma Key", key(0, 200, 200, 200), "spinBoxLevel=64");
        row("pattern in range", "pattern",
            pattern(3, bytes({0x07, 0x80, 0x04, 0x38, 0x01, 0x00, 0x00, 0x10, 0x00, 0x20}), 2),
            "spinBoxPattern=3 spinBoxHPosition=1920 spinBoxVPosition=1080 spinBoxSize=256 spinBoxHStretching=16 "
            "spinBoxVStretching=32 spinBoxPatternNum=2");
        row("pattern held to the ranges", "pattern",
            pattern(12, bytes({0xFF, 0xFF, 0x10, 0x00, 0x00, 0x0A, 0x01, 0x00, 0x7F, 0x00}), 7),
            "spinBoxPattern=9 spinBoxHPosition=1920 spinBoxVPosition=1080 spinBoxSize=50 spinBoxHStretching=255 "
            "spinBoxVStretching=255 spinBoxPatternNum=5");
        // Window records: border enable, colour, width, size, H (hi, lo), V (hi, lo).
        const char* pip = "comboBox_borderEnable=%1 comboBox_borderColor=%2 spinBoxBorderWidth=%3 comboBox_size=%4 "
                          "spinBoxHPosition=%5 spinBoxVPosition=%6";
        const char* pop = "btn_borderEnable=%1 comboBox_borderColor=%2 spinBoxBorderWidth=%3 btn_size=Large "
                          "spinBoxHPosition=%4 spinBoxVPosition=%5";
        const auto rec = [&](const char* name, bool isPip, const QByteArray& record, QStringList shownValues) {
            QString fields = QString::fromLatin1(isPip ? pip : pop);
            for (const QString& v : shownValues)
                fields = fields.arg(v);
            QTest::newRow(name) << QString::fromLatin1(isPip ? "pip" : "pop")
                                << (isPip ? window<PIP_PAGE>(record) : window<POP_PAGE>(record)) << fields;
        };
        rec("pip medium, H 1280", true, bytes({1, 2, 5, 1, 0x05, 0x00, 0x02, 0xD0}),
            {"1", "2", "5", "1", "1280", "720"});
        rec("pip large, H held to 960", true, bytes({0, 3, 7, 2, 0x05, 0x00, 0x03, 0x00}),
            {"0", "3", "7", "2", "960", "540"});
        rec("pip small", true, bytes({1, 0, 2, 0, 0x05, 0xA0, 0x03, 0x2A}), {"1", "0", "2", "0", "1440", "810"});
        rec("pip out of domain ignored", true, bytes({2, 4, 8, 3, 0x00, 0x64, 0x00, 0x32}),
            {"-1", "-1", "2", "-1", "100", "50"});
        rec("pop in range", false, bytes({0, 2, 5, 2, 0x01, 0x2C, 0x00, 0xC8}), {"OFF", "2", "5", "300", "200"});
        rec("pop held to the ranges", false, bytes({1, 3, 7, 0, 0x04, 0x00, 0x03, 0x00}),
            {"ON", "3", "7", "960", "540"});
        rec("pop out of domain ignored", false, bytes({2, 4, 8, 9, 0, 0, 0, 0}), {"ON", "-1", "2", "0", "0"});
        rec("pop width below 2 ignored", false, bytes({0, 0, 1, 1, 0x00, 0x0A, 0x00, 0x14}),
            {"OFF", "0", "2", "10", "20"});
    }
    void setterShows()
    {
        QFETCH(QString, page);
        QFETCH(Apply, apply);
        QFETCH(QString, fields);
        PageRig rig;
        std::unique_ptr<QWidget> w(makePage(page, rig.fun.get()));
        asReply([&] { apply(w.get()); });
        for (const QString& field : fields.split(QLatin1Char(' '))) {
            const int eq = field.indexOf(QLatin1Char('='));
            QCOMPARE(field.left(eq) + QLatin1Char('=') + shown(namedChild(w.get(), field.left(eq))), field);
        }
        QCOMPARE(rig.frames(), Frames());
    }

    void audioLineGainArrowsWalkTheUnits()
    {
        PageRig rig;
        AUDIO_PAGE page(nullptr, rig.fun.get());
        QSpinBox* gain = spin(&page, "spinBoxLineGain");
        for (int unit = 1; unit <= 8; ++unit) {
            gain->stepBy(1);
            QCOMPARE(gain->value(), unit * 3);
            QCOMPARE(rig.frames(), Frames{QStringLiteral("de 00 0%1").arg(unit)});
        }
        gain->stepBy(1);
        QCOMPARE(rig.frames(), Frames());
    }

    void audioRowEnabling()
    {
        PageRig rig;
        AUDIO_PAGE page(nullptr, rig.fun.get());
        QSpinBox* line = spin(&page, "spinBoxLineGain");
        QSpinBox* mic = spin(&page, "spinBoxMicVolume");
        QComboBox* hpfs = combo(&page, "comboBox_micHpfs");
        page.show_lnge_cfg_slots(false);
        QVERIFY(!line->isEnabled() && mic->isEnabled());
        page.show_mic_cfg_slots(false);
        QVERIFY(!mic->isEnabled() && !hpfs->isEnabled());
        page.show_mic_cfg_slots(true);
        QVERIFY(mic->isEnabled() && hpfs->isEnabled() && !line->isEnabled());
        page.show_lnge_cfg_slots(true);
        QVERIFY(line->isEnabled());
        QCOMPARE(rig.frames(), Frames());
    }

    void camHideZoomKeepsOtherRows()
    {
        PageRig rig;
        CAM_PAGE page(nullptr, rig.fun.get());
        page.show();
        const QRect baudBefore = combo(&page, "comboBox_baud")->geometry();
        QVERIFY(combo(&page, "comboBox_zoom")->isVisible());
        page.hideCam_ZOOM();
        QVERIFY(!combo(&page, "comboBox_zoom")->isVisible());
        QCOMPARE(combo(&page, "comboBox_baud")->geometry(), baudBefore);
    }

    // The panels build the luma page first and the chroma page second on one
    // controller; each page must still act as itself afterwards.
    void keyBothPagesKeepTheirOwnName()
    {
        PageRig rig;
        KEY_PAGE luma(nullptr, rig.fun.get(), QStringLiteral("Luma Key"));
        KEY_PAGE chroma(nullptr, rig.fun.get(), QStringLiteral("Chroma Key"));
        spin(&luma, "spinBoxLevel")->setValue(20);
        spin(&chroma, "spinBoxLevel")->setValue(30);
        spin(&luma, "spinBoxLevel")->setValue(21);
        combo(&chroma, "comboBox_background")->setCurrentIndex(0);
        QCOMPARE(rig.frames(), (Frames{"94 14", "99 1e", "94 15", "98 00"}));
    }

    void pipSizeChangeReRangesThenSends_data()
    {
        QTest::addColumn<int>("fromSize");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("toSize");
        QTest::addColumn<QPoint>("shown");
        QTest::addColumn<QPoint>("max");
        QTest::newRow("medium 1200 to large clamps")
            << 1 << QPoint(1200, 700) << 2 << QPoint(960, 540) << QPoint(960, 540);
        QTest::newRow("large 960 to small keeps")
            << 2 << QPoint(960, 540) << 0 << QPoint(960, 540) << QPoint(1440, 810);
        QTest::newRow("blank to small") << -1 << QPoint(0, 0) << 0 << QPoint(0, 0) << QPoint(1440, 810);
    }
    void pipSizeChangeReRangesThenSends()
    {
        QFETCH(int, fromSize);
        QFETCH(QPoint, pos);
        QFETCH(int, toSize);
        QFETCH(QPoint, shown);
        QFETCH(QPoint, max);
        PageRig rig;
        PIP_PAGE page(nullptr, rig.fun.get());
        QSpinBox* h = spin(&page, "spinBoxHPosition");
        QSpinBox* v = spin(&page, "spinBoxVPosition");
        asReply([&] {
            if (fromSize >= 0)
                page.set_Size_Style(uint8_t(fromSize));
            h->setValue(pos.x());
            v->setValue(pos.y());
        });
        // The clamp on the way is reported with the flag raised; the size command sees the new ranges.
        bool flagDuringClamp = false;
        int maxAtSize = -1;
        connect(h, QOverload<int>::of(&QSpinBox::valueChanged), this, [&] { flagDuringClamp = pipSizeFalg; });
        connect(combo(&page, "comboBox_size"), QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                [&] { maxAtSize = pipSizeFalg ? -2 : h->maximum(); });
        combo(&page, "comboBox_size")->setCurrentIndex(toSize);
        QCOMPARE(QPoint(h->value(), v->value()), shown);
        QCOMPARE(QPoint(h->maximum(), v->maximum()), max);
        QCOMPARE(maxAtSize, max.x());
        QCOMPARE(flagDuringClamp, shown != pos);
        QVERIFY(!pipSizeFalg);
        // Only the size leaves; a clamped position is shown, not sent. Afterwards the positions send again.
        QCOMPARE(rig.frames(), Frames{QStringLiteral("a2 0%1").arg(toSize)});
        h->setValue(950);
        QCOMPARE(rig.frames(), Frames{"a0 b6 03"});
    }

    void pipOutOfRangeSizeKeepsRanges()
    {
        PageRig rig;
        PIP_PAGE page(nullptr, rig.fun.get());
        asReply([&] {
            page.set_Size_Style(1);
            page.set_Size_Style(3);
        });
        QCOMPARE(combo(&page, "comboBox_size")->currentIndex(), 1);
        page.setCoboxSize(7);
        QCOMPARE(spin(&page, "spinBoxHPosition")->maximum(), 1280);
        QCOMPARE(spin(&page, "spinBoxVPosition")->maximum(), 720);
        QVERIFY(!pipSizeFalg);
        QCOMPARE(rig.frames(), Frames());
    }

    void popEnablingFollowsController_data()
    {
        QTest::addColumn<int>("deviceWindow"); // 0: no state record
        QTest::addColumn<int>("cutMode");      // -1: no POP window reply
        QTest::addColumn<bool>("enabled");
        QTest::newRow("cut mode 1") << 0 << 1 << true;
        QTest::newRow("cut mode 0, window 1") << 0 << 0 << false;
        QTest::newRow("device window 2") << 2 << -1 << true;
        QTest::newRow("device window 1, no cut") << 1 << -1 << false;
        QTest::newRow("device window 3") << 3 << -1 << true;
        QTest::newRow("device window 2, then cut 0") << 2 << 0 << true;
    }
    void popEnablingFollowsController()
    {
        QFETCH(int, deviceWindow);
        QFETCH(int, cutMode);
        QFETCH(bool, enabled);
        PageRig rig;
        POP_PAGE page(nullptr, rig.fun.get());
        asReply([&] {
            if (deviceWindow)
                rig.fun->set_POP_WIN_Style(uchar(deviceWindow));
            if (cutMode >= 0)
                rig.fun->POP_CUT_WindowMode(uchar(cutMode));
        });
        QCOMPARE(spin(&page, "spinBoxHPosition")->isEnabled(), enabled);
        QCOMPARE(spin(&page, "spinBoxVPosition")->isEnabled(), enabled);
        if (deviceWindow == 1 || deviceWindow == 2)
            QCOMPARE(button(&page, "btn_window")->text(), QString::number(deviceWindow));
        QCOMPARE(rig.frames(), Frames());
    }

    // The Window key does not change the window mode: until the device reports
    // window 2, the positions still move the POP window. A click back to window 1
    // clears the controller's enabling while the page keeps the fields usable: they
    // then send nothing until the device reports again.
    void popWindowKeyAndPositions()
    {
        PageRig rig;
        POP_PAGE page(nullptr, rig.fun.get());
        QSpinBox* h = spin(&page, "spinBoxHPosition");
        QSpinBox* v = spin(&page, "spinBoxVPosition");
        asReply([&] { rig.fun->POP_CUT_WindowMode(1); });
        button(&page, "btn_window")->click();
        v->setValue(520);
        asReply([&] { rig.fun->set_POP_WIN_Style(2); });
        v->setValue(530);
        QCOMPARE(rig.frames(), (Frames{"a8 02", "ad 08 02", "a1 12 02"}));
        button(&page, "btn_window")->click();
        QVERIFY(h->isEnabled());
        h->setValue(300);
        QCOMPARE(rig.frames(), Frames{"a8 01"});
        asReply([&] { // the device reports window 1 with the cut mode again
            rig.fun->set_POP_WIN_Style(1);
            rig.fun->POP_CUT_WindowMode(1);
        });
        h->setValue(310);
        QCOMPARE(rig.frames(), Frames{"ac 36 01"});
    }

    void popBorderKey()
    {
        PageRig rig;
        POP_PAGE page(nullptr, rig.fun.get());
        QPushButton* border = button(&page, "btn_borderEnable");
        // The button starts on "ON" while the controller's toggle starts off.
        border->click();
        QCOMPARE(border->text(), QStringLiteral("ON"));
        border->click();
        QCOMPARE(border->text(), QStringLiteral("OFF"));
        QCOMPARE(rig.frames(), (Frames{"a9 01", "a9 00"}));
    }

    // The reported border state sets the text and the toggle, sends nothing, and the
    // next click sends the opposite of what the device reported.
    void popBorderFollowsTheDevice_data()
    {
        QTest::addColumn<int>("clicksBefore");
        QTest::addColumn<int>("reported");
        QTest::addColumn<QString>("textAfterReport");
        QTest::addColumn<Frames>("clickSends");
        QTest::addColumn<QString>("textAfterClick");
        QTest::newRow("ON while the toggle is off") << 0 << 1 << "ON" << Frames{"a9 00"} << "OFF";
        QTest::newRow("OFF while the toggle is on") << 1 << 0 << "OFF" << Frames{"a9 01"} << "ON";
        QTest::newRow("ON while the toggle is on") << 1 << 1 << "ON" << Frames{"a9 00"} << "OFF";
        QTest::newRow("unknown value changes nothing") << 1 << 2 << "ON" << Frames{"a9 00"} << "OFF";
    }
    void popBorderFollowsTheDevice()
    {
        QFETCH(int, clicksBefore);
        QFETCH(int, reported);
        QFETCH(QString, textAfterReport);
        QFETCH(Frames, clickSends);
        QFETCH(QString, textAfterClick);
        PageRig rig;
        POP_PAGE page(nullptr, rig.fun.get());
        QPushButton* border = button(&page, "btn_borderEnable");
        for (int i = 0; i < clicksBefore; ++i)
            border->click();
        rig.frames();
        asReply([&] { page.set_BorderEnable_Style(uchar(reported)); });
        QCOMPARE(border->text(), textAfterReport);
        QCOMPARE(rig.frames(), Frames());
        border->click();
        QCOMPARE(rig.frames(), clickSends);
        QCOMPARE(border->text(), textAfterClick);
    }

    void sourceSilentWhileThePipSizeReRanges()
    {
        PageRig rig;
        SOURCE_PAGE page(nullptr, rig.fun.get());
        {
            ScopedFlag resizing(pipSizeFalg);
            combo(&page, "comboBox_src3")->setCurrentIndex(1);
        }
        QCOMPARE(rig.frames(), Frames());
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        button(&page, "btn_exit")->click();
        QVERIFY(!page.isVisible());
    }
};

QTEST_MAIN(tst_pages)
#include "tst_pages.moc"
