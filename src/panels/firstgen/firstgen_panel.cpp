#include "firstgen_panel.h"

#include "below_widget.h"
#include "bytes.h"
#include "device_record.h"
#include "druvela_workdata.h"
#include "firstgen_style.h"
#include "middle_strip.h"
#include "onlyfun.h"
#include "plane_botton.h"
#include "plane_right.h"
#include "plane_top.h"
#include "slider_columns.h"
#include "upper_strip.h"

#include <QDebug>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QSlider>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
constexpr int kNarrow = 1400;
constexpr int kWide = 1800;
constexpr int kHeight = 800;
constexpr int kPipShift = 230;
}

FirstGenPanel::FirstGenPanel(QWidget* parent, bool& autoLampLit, DevState::LastByte lastByte)
    : QDialog(parent)
    , m_autoLampLit(autoLampLit)
    , m_lastByte(lastByte)
{
    setWindowTitle(QStringLiteral("Qavo"));
    setWindowIcon(QIcon(QStringLiteral(":/images/StyleSheet/DEVapplication.png")));
    resizeCentred(kNarrow);
    setMinimumSize(kNarrow, kHeight);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_StyledBackground);
    setObjectName(QStringLiteral("dialog"));
    setStyleSheet(QStringLiteral("QDialog#dialog{background-color:rgb(8,8,8);}"));
}

void FirstGenPanel::resizeCentred(int width)
{
    const QSize desk = FirstGenStyle::desktopSize();
    setGeometry((desk.width() - width) / 2, (desk.height() - kHeight) / 2, width, kHeight);
}

void FirstGenPanel::initOuterParts()
{
    m_ws = new Druvela_workdata(this);
    m_top = new Plane_Top(this, nullptr);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_central = new QWidget(this);
    m_right = new Plane_Right(this, m_ws);
    m_bottom = new Plane_Botton(this, m_ws);
    m_left = new QSlider_Left;
    m_tbarColumn = new QSlider_Right;
    m_top->setFixedHeight(30);
    m_bottom->setFixedHeight(30);
}

void FirstGenPanel::initTesmondui_2(FirstGenUpperStrip* upper, FirstGenMiddleStrip* middle)
{
    m_upper = upper;
    m_middle = middle;
    m_below = new Below_Widget(this, m_ws);
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_upper, 1);
    column->addWidget(m_middle, 2);
    column->addWidget(m_below, 3);
    m_central->setLayout(column);
    connect(m_middle, &FirstGenMiddleStrip::on_Singnale_btnPIP, this, &FirstGenPanel::on_Middle_Singnale_btnPIP);
    connect(m_below, &Below_Widget::on_get_slider_vol, this, &FirstGenPanel::btnAuto_and_slider);
}

void FirstGenPanel::initLayout()
{
    m_splitter->setStyleSheet(QStringLiteral(
        "QSplitter::handle:Horizontal{width:1px;border-image:url(:/images/StyleSheet/limit.png);}"
        "QSplitter{background-color:rgb(58,58,58);}"));
    m_splitter->addWidget(m_left);
    m_splitter->addWidget(m_central);
    m_splitter->addWidget(m_tbarColumn);
    m_splitter->addWidget(m_right);
    const int stretch[] = {1, 2, 1, 1};
    for (int i = 0; i < 4; ++i)
        m_splitter->setStretchFactor(i, stretch[i]);

    auto* outer = new QVBoxLayout;
    outer->setSpacing(0);
    outer->setContentsMargins(1, 0, 1, 0);
    outer->addWidget(m_top);
    outer->addWidget(m_splitter);
    outer->addWidget(m_bottom);
    m_right->hide();
    setLayout(outer);

    connect(m_top, &Plane_Top::on_signals_setWinmax, this, &FirstGenPanel::on_Topwidge_Singnale_btnwinmax);
    connect(m_top, &Plane_Top::on_signals_setWinmin, this, &QWidget::showMinimized);
    connect(m_ws, &Druvela_workdata::on_signals_allData, this, &FirstGenPanel::on_toRead_TesmondDtat);
    connect(m_tbarColumn, &QSlider_Right::on_slider_auto, this, &FirstGenPanel::setslider0);
    connect(m_left, &QSlider_Left::on_slider_ch1_vol, this, &FirstGenPanel::set_audio_vol);
    connect(m_left, &QSlider_Left::on_slider_ch2_vol, this, &FirstGenPanel::set_audio_vol);
    connect(m_left, &QSlider_Left::on_slider_mastre_vol, this, &FirstGenPanel::set_audio_vol);
}

void FirstGenPanel::DevTypeID(QString ip, uchar a, uchar b, QString hisIp, uchar hisA, uchar hisB)
{
    m_ws->get_DevTypeID(ip, a, b);
    m_ws->get_HISTypeID(hisIp, hisA, hisB);
    m_ws->SendCMDReadDevState();
}

void FirstGenPanel::on_Topwidge_Singnale_btnwinmax(bool wasMax)
{
    m_upper->winNormalFlag = wasMax;
    m_bottom->winNormalFlag = wasMax;
    const bool pip = m_middle->pipState != 0;
    if (wasMax) {
        resizeCentred(pip ? kWide : kNarrow);
        isWinMax = false;
    } else {
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.isEmpty())
            return;
        const QRect area = screens.first()->availableGeometry();
        setGeometry(0, 0, area.width(), area.height());
        isWinMax = true;
    }
    isNarrow = !pip;
}

void FirstGenPanel::on_Middle_Singnale_btnPIP(bool on)
{
    m_below->pipOnFlag = on;
    if (isWinMax) {
        m_right->setVisible(on);
        return;
    }
    resize(on ? kWide : kNarrow, kHeight);
    m_right->setVisible(on);
    // The window grows or shrinks on its right; it moves once per change so the keys stay put.
    if (on == isNarrow) {
        isNarrow = !on;
        move(x() + (on ? -kPipShift : kPipShift), y());
    }
}

void FirstGenPanel::on_toRead_TesmondDtat(QByteArray const& data)
{
    DevState::Record r;
    if (!DevState::readRecord(data, m_lastByte, r))
        return;
    m_below->set_PGMCH_Style(r.pgm);
    m_below->set_PVWCH_Style(r.pvw);
    m_middle->set_AFVorMIX_Style(r.audioMode);
    m_middle->set_CH1_Style(r.ch1Source);
    m_middle->set_CH1VOL_Style(r.ch1Level);
    m_middle->set_CH2_Style(r.ch2Source);
    m_middle->set_CH2VOL_Style(r.ch2Level);
    m_middle->set_Trans_Style(r.transition[0], r.transition[1]);
    m_upper->set_FTB_Style(r.ftb);
    readOwnStatus(data);
    m_middle->set_PIP_Style(r.pipOn);
    m_right->set_BorderEnable_Style(r.pipBorderOn);
    m_right->set_BorderColor_Style(r.pipBorderColor);
    m_right->set_BorderWidth_Style(r.pipBorderWidth);
    m_right->set_Size_Style(r.pipSize);
    m_right->set_Hposition_Style(r.pipHPos.hi(), r.pipHPos.lo());
    m_right->set_Vposition_Style(r.pipVPos.hi(), r.pipVPos.lo());
    m_middle->set_Stll_Style(r.still);
    m_below->set_Rate_Style(r.rate);
    m_upper->set_F1_Style(r.pgmOut);
    m_upper->set_F3_Style(r.mute);
    afterReply(data);
}

void FirstGenPanel::readOwnStatus(const QByteArray&) {}

void FirstGenPanel::afterReply(const QByteArray&) {}

QSlider* FirstGenPanel::tbar() const
{
    return m_tbarColumn->findChild<QSlider*>();
}

void FirstGenPanel::setslider0(int v)
{
    const QSlider* bar = tbar();
    const int top = bar->maximum();
    if (v > bar->minimum() && v < top) {
        if (!m_autoLampLit) {
            m_below->on_Style_btnAuto(true);
            m_autoLampLit = true;
        }
    } else {
        m_below->on_Style_btnAuto(false);
        m_autoLampLit = false;
    }
    if (v == top) {
        reachTop([this] { setPGM_PVWCH(); });
        m_ws->SwndCMDslider(1, 128);
        qDebug() << "value_up:" << v;
    }
    if (!reverseStroke) {
        m_ws->SwndCMDslider(1, uchar(v));
        qDebug() << "value_up:" << v;
        return;
    }
    setslider1(v);
}

void FirstGenPanel::setslider1(int v)
{
    const int top = tbar()->maximum();
    if (v != 0) {
        m_ws->SwndCMDslider(0, uchar(top - v));
        qDebug() << "向下推 value:" << v;
        qDebug() << "value_down:" << top - v;
        return;
    }
    reachBottom([this] { setPGM_PVWCH(); });
    m_ws->SwndCMDslider(0, 128);
    m_ws->SwndCMDslider(1, 0);
}

void FirstGenPanel::set_audio_vol() {}

void FirstGenPanel::setPGM_PVWCH()
{
    const uchar formerPgm = m_below->BtnPGMstate();
    m_below->set_PGMCH_Style(m_below->BtnPVWstate());
    m_below->set_PVWCH_Style(formerPgm);
}

void FirstGenPanel::btnAuto_and_slider()
{
    QSlider* bar = tbar();
    const int top = bar->maximum();
    const bool down = reverseStroke;
    for (int v = bar->value();;) {
        v += down ? -1 : 1;
        if (down ? v < 0 : v > top - 1)
            return;
        if (!onlyFun::Delay_MSec(this, 20))
            return;
        bar->setValue(v);
    }
}
