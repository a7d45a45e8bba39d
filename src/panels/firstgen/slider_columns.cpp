#include "slider_columns.h"

#include "firstgen_style.h"
#include "widget_show.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace {

QString sliderStyle(int handleWidth, int handleHeight)
{
    return QStringLiteral(
               "QSlider::groove:vertical {border: 0px solid ;border-image: url(:/images/StyleSheet/vsliderbg.png);}"
               "QSlider::handle:vertical {border-image: url(:/images/StyleSheet/vslider.png);width: %1px;height: %2px;}")
        .arg(handleWidth)
        .arg(handleHeight);
}

QLabel* columnLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setStyleSheet(QStringLiteral("font-size:18px;font-weight:bold; color:rgb(255,255,255);"));
    return label;
}

void styleColumn(QWidget* column)
{
    column->setAttribute(Qt::WA_StyledBackground);
    column->setStyleSheet(QLatin1String(FirstGenStyle::kStripBackground));
}

QSlider* fader(const char* objectName)
{
    auto* s = new QSlider(Qt::Vertical);
    s->setObjectName(QLatin1String(objectName));
    s->setRange(0, 127);
    s->setSingleStep(2);
    s->setTickInterval(20);
    s->setFixedSize(115, 296);
    s->setStyleSheet(sliderStyle(81, 22));
    return s;
}

// A fader above its centred label, the rest stretched away below.
QVBoxLayout* faderColumn(QSlider* s, const QString& label)
{
    auto* col = new QVBoxLayout;
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(10);
    col->addWidget(s, 0, Qt::AlignCenter);
    col->addWidget(columnLabel(label), 0, Qt::AlignCenter);
    col->addStretch();
    return col;
}

uchar loggedValue(const char* text, const QSlider* s)
{
    qDebug() << text << s->value();
    return uchar(s->value());
}

} // namespace

QSlider_Left::QSlider_Left(QWidget* parent)
    : QWidget(parent)
{
    styleColumn(this);
    initLeftSlider();
}

void QSlider_Left::initLeftSlider()
{
    m_ch1 = fader("verticalSlider_ch1");
    m_ch2 = fader("verticalSlider_ch2");
    m_master = fader("verticalSlider_master");

    auto* outer = new QVBoxLayout(this);
    outer->setSpacing(10);
    outer->addStretch();
    outer->addWidget(m_master, 0, Qt::AlignCenter);
    outer->addWidget(columnLabel(QStringLiteral("MASTER")), 0, Qt::AlignCenter);
    outer->addStretch();
    auto* channels = new QHBoxLayout;
    channels->setContentsMargins(0, 0, 0, 0);
    channels->addLayout(faderColumn(m_ch1, QStringLiteral("CH1")));
    channels->addLayout(faderColumn(m_ch2, QStringLiteral("CH2")));
    outer->addLayout(channels);

    connect(m_ch1, &QSlider::valueChanged, this, &QSlider_Left::on_slider_ch1_vol);
    connect(m_ch2, &QSlider::valueChanged, this, &QSlider_Left::on_slider_ch2_vol);
    connect(m_master, &QSlider::valueChanged, this, &QSlider_Left::on_slider_mastre_vol);
    connect(this, &QSlider_Left::on_slider_max, this, &QSlider_Left::set_slider_max);
    connect(this, &QSlider_Left::on_slider_min, this, &QSlider_Left::set_slider_min);
}

void QSlider_Left::set_Slider1_valueChanged(uchar v) { Show::value(m_ch1, v); }
void QSlider_Left::set_Slider2_valueChanged(uchar v) { Show::value(m_ch2, v); }
void QSlider_Left::set_Slider3_valueChanged(uchar v) { Show::value(m_master, v); }

uchar QSlider_Left::get_Slider_ch1_valueChanged()
{
    return loggedValue("slider_auto1滑动条被关联的当前值为=", m_ch1);
}

uchar QSlider_Left::get_Slider_ch2_valueChanged()
{
    return loggedValue("slider_auto2滑动条被关联的当前值为=", m_ch2);
}

uchar QSlider_Left::get_Slider_master_valueChanged()
{
    return loggedValue("slider_mastre滑动条被关联的当前值为=", m_master);
}

void QSlider_Left::set_slider_max() { setSliderSizes(155, 400); }
void QSlider_Left::set_slider_min() { setSliderSizes(115, 258); }

void QSlider_Left::setSliderSizes(int width, int height)
{
    for (QSlider* s : {m_ch1, m_ch2, m_master})
        s->setFixedSize(width, height);
}

QSlider_Right::QSlider_Right(QWidget* parent)
    : QWidget(parent)
{
    styleColumn(this);
    initRightSlider();
}

void QSlider_Right::initRightSlider()
{
    m_tbar = new QSlider(Qt::Vertical);
    m_tbar->setObjectName(QStringLiteral("verticalSlider_auto"));
    m_tbar->setRange(0, 127);
    m_tbar->setSingleStep(5);
    m_tbar->setFixedWidth(136);
    m_tbar->setFixedHeight(418);
    m_tbar->setStyleSheet(sliderStyle(136, 37));

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 10, 0, 10);
    col->setSpacing(10);
    col->addStretch();
    col->addWidget(columnLabel(QStringLiteral("A-BUS")), 0, Qt::AlignCenter);
    col->addWidget(m_tbar, 0, Qt::AlignCenter);
    col->addWidget(columnLabel(QStringLiteral("B-BUS")), 0, Qt::AlignCenter);
    col->addStretch();

    connect(m_tbar, &QSlider::valueChanged, this, &QSlider_Right::on_slider_auto);
}

void QSlider_Right::set_SliderAuto_valueChanged(uchar v)
{
    Show::value(m_tbar, v);
    qDebug() << "slider_auto滑动条被关联的当前值为=" << int(v);
}

uchar QSlider_Right::get_SliderAuto_valueChanged()
{
    return loggedValue("slider_auto滑动条被关联的当前值为=", m_tbar);
}
