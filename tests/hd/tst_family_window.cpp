// The model panels' window base on a form that has almost nothing: two
// inputs a row, the HDR ON key, FTB, CUT, AUTO, the T-bar and the bottom bar,
// no audio page. Every shared operation on a key the form lacks does nothing,
// and the optional parts the 4K panels bring (HDR ON, no audio page, the
// byte-110 switch) work through the base alone.

#include "family_window.h"

#include "edition_frames.h"
#include "main_menu.h"
#include "model_tables.h"
#include "my_button.h"
#include "onlyfun.h"
#include "panel_wiring.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

namespace {

class SparseWindow : public FamilyWindow
{
    Q_OBJECT

public:
    SparseWindow()
        : FamilyWindow(nullptr, DevState::kThroughHdr, DevState::k4kFamilyVersionFirstByte)
    {
        for (const char* name : {"btn_pgm_1", "btn_pgm_2", "btn_pvw_1", "btn_pvw_2", "btn_hdr_on", "btn_ftb",
                                 "btn_cut", "btn_auto"})
            key(name);
        for (const char* name : {"btnSet", "btn_ds", "btn_exit"})
            (new MyButton(this))->setObjectName(QLatin1String(name));
        (new QLabel(this))->setObjectName(QStringLiteral("label_version"));
        (new QSlider(this))->setObjectName(QStringLiteral("verticalSlider_4"));
        build();
    }

protected:
    void init_widget() override { createWindows(false); }
    void init_label_style() override {}
    void init_pgm_pvw() override
    {
        setInputRows({key("btn_pgm_1"), key("btn_pgm_2")}, {key("btn_pvw_1"), key("btn_pvw_2")});
    }
    void init_connect() override
    {
        QObject::connect(controller(), &onlyFun::setHDR_ON_EnableSignals, this, &FamilyWindow::on_Style_btnHDR_ON);
        PanelWiring::connectReplies(controller(), this);
    }
    void init_record_fields() override
    {
        FamilyWindow::init_record_fields();
        recordTargets().readsHdr = true;
        recordTargets().menuShowsMic = true;
    }
    bool readsRecStreamStatus() const override { return false; }

private:
    QPushButton* key(const char* name)
    {
        if (auto* k = findChild<QPushButton*>(QLatin1String(name)))
            return k;
        auto* k = new QPushButton(this);
        k->setObjectName(QLatin1String(name));
        return k;
    }
};

} // namespace

class tst_family_window : public QObject
{
    Q_OBJECT

private:
    QString face(const char* name) const { return m_window->findChild<QWidget*>(QLatin1String(name))->styleSheet(); }

    QScopedPointer<SparseWindow> m_window;

private slots:
    void initTestCase()
    {
        zvInitResources();
        DEV_CHILD_TYPE = 105;
        m_window.reset(new SparseWindow);
        // No device is bound: keep the offline rule's box out of the run.
        for (QTimer* t : m_window->controller()->findChildren<QTimer*>())
            t->stop();
    }

    void startsWithoutTheMissingParts()
    {
        QVERIFY(!m_window->audioPage());
        QVERIFY(m_window->findChildren<QButtonGroup*>().size() >= 4);
        const QString unlit = QStringLiteral("QPushButton{image: url(:/images/white/HDR_ON.bmp)}");
        QVERIFY(face("btn_hdr_on").startsWith(unlit));
        QVERIFY(QFile::exists(QStringLiteral(":/images/white/HDR_ON.bmp")));
        QVERIFY(QFile::exists(QStringLiteral(":/images/green/HDR_ON.bmp")));
    }

    // Every shared operation of a key or row the form lacks does nothing; the keys it has still answer.
    void missingKeysAreLeftAlone()
    {
        SparseWindow& w = *m_window;
        using W = FamilyWindow;
        const QStringList before = {face("btn_pgm_1"), face("btn_hdr_on"), face("btn_ftb")};
        for (bool on : {true, false}) {
            for (auto lamp : {&W::on_Style_btnCH1, &W::on_Style_btnCH3, &W::on_Style_btnMASTER, &W::on_Style_btnSRC3,
                              &W::on_Style_btnAFV, &W::on_Style_btnRec, &W::on_Style_btnPause, &W::on_Style_btnLNGE,
                              &W::on_Style_btnAux, &W::on_Style_btnSTILL, &W::on_Style_btnCamMeun,
                              &W::on_Style_btnPIP, &W::on_Style_btnKey3, &W::on_Style_btn_z_add})
                (w.*lamp)(on);
        }
        w.set_AFVorMIX_Enable(true);
        w.set_Rec_Enable(false);
        w.set_CAMMENU_Style(1, 3);
        w.set_CAMMENU_Style(0, 0);
        w.set_Cam_Style(2);
        w.set_Rate_Style(1);
        w.set_Function_Enable(3, false, false, true, false, false);
        w.set_TRANSITONS_Style(5, 40);
        w.set_Trans_Style(4, 40, 2, 13, 31, 40, 56, 65, 72, 79, 83, 89);
        w.set_CH3_Enable(1);
        w.set_CH3VOL_Style(30);
        w.on_btn_ch1_clicked();
        w.on_btn_src3_clicked();
        QCOMPARE(QStringList({face("btn_pgm_1"), face("btn_hdr_on"), face("btn_ftb")}), before);
        w.set_PGMCH_Style(2);
        QVERIFY(face("btn_pgm_2").endsWith(w.controller()->setColorRed()));
        w.set_PGMCH_Style(9);  // no bar on this form
        QVERIFY(face("btn_pgm_2").endsWith(w.controller()->setColorWhite()));
    }

    // A dump through the base: the HDR byte to the lamp (through the controller) and the settings
    // window, the line gain to the settings window only, no audio page to feed.
    void hdrByteWithoutAudioPage_data()
    {
        QTest::addColumn<int>("hdr");
        QTest::addColumn<bool>("lit");
        QTest::addColumn<int>("entry");
        QTest::newRow("5: on, entry 2") << 5 << true << 2;
        QTest::newRow("4: off, entry 2") << 4 << false << 2;
        QTest::newRow("1: on, entry 0") << 1 << true << 0;
    }
    void hdrByteWithoutAudioPage()
    {
        QFETCH(int, hdr);
        QFETCH(bool, lit);
        QFETCH(int, entry);
        SparseWindow& w = *m_window;
        emit w.controller()->getDateSignals(
            EditionFrames::stateDump({{0, 1}, {89, 5}, {91, 40}, {92, quint8(hdr)}}, 0, 0, 114));
        QCOMPARE(face("btn_hdr_on").endsWith(w.controller()->setColorGreen()), lit);
        QCOMPARE(w.mainMenu()->findChild<QComboBox*>(QStringLiteral("comboBoxHDR_CFG"))->currentIndex(), entry);
        QCOMPARE(w.mainMenu()->findChild<QSpinBox*>(QStringLiteral("spinBoxLineGain"))->value(), 15);
        QCOMPARE(w.mainMenu()->findChild<QSpinBox*>(QStringLiteral("spinBoxMIC"))->value(), 22);
        QVERIFY(face("btn_pgm_1").endsWith(w.controller()->setColorRed()));
        QVERIFY(!updateDevStateEnable);
    }

    // The other replies on a form with only the T-bar and AUTO of their targets.
    void otherReplies()
    {
        SparseWindow& w = *m_window;
        emit w.controller()->getTXSliderDateSignals(EditionFrames::tbar(0, 40));
        QCOMPARE(w.findChild<QSlider*>(QStringLiteral("verticalSlider_4"))->value(), 40);
        QVERIFY(face("btn_auto").endsWith(w.controller()->setColorRed()));
        emit w.controller()->getPOPWinStateSignals(EditionFrames::reply(0x6F, 22, {{18, 1}}));
        emit w.controller()->getDevVersionStateSignals(EditionFrames::reply(0x49, 40, {{19, 3}}));
        QVERIFY(!updateDevStateEnable);
    }

    void cleanupTestCase() { m_window.reset(); }
};

QTEST_MAIN(tst_family_window)
#include "tst_family_window.moc"
