#include "series8_style.h"

#include <QByteArray>

namespace Series8Style {

QString sliderSheet(const SliderLook& look)
{
    // The vertical rules keep the switcher's own spellings ("Vertial").
    return QStringLiteral(
               "QSlider::vertical{background:transparent;padding-top:12px;padding-bottom:3px;min-width:25px;}"
               "QSlider::groove:vertical {background:rgb(45,152,255);width:4px;}"
               "QSlider::handle:%1 {background:%2;height: 10px;border-radius:5px;margin:0px -8px;}"
               "QSlider::handle:pressed:vertical {background-color:white;}"
               "QSlider::add-page:Vertial{background-color: rgb(45,152,255);}"
               "QSlider::sub-page:Vertial {background-color:gray;}"
               "QSlider::horizontal{background:transparent;min-height:25px;}"
               "QSlider::groove:horizontal {background:rgb(45,152,255);height:4px;}"
               "QSlider::handle:horizontal {background:%3;width: 10px;border-radius:5px;margin:-8px 0px;}"
               "QSlider::handle:pressed:horizontal {background-color:white;}"
               "QSlider::add-page:%4{background-color: %5;}"
               "QSlider::sub-page:%4 {background-color:%6;}"
               "QLabel{color:rgb(45,152,255);}")
        .arg(QLatin1String(look.verticalHandleRule), QLatin1String(look.verticalHandle), QLatin1String(look.handle),
             QLatin1String(look.pagesRule), QLatin1String(look.afterHandle), QLatin1String(look.beforeHandle));
}

QString venadroSliderCh1()
{
    return sliderSheet({"hertical", "rgb(240,46,0)", "rgb(45,152,255)", "vorizontal", "rgb(25,232,0)", "gray"});
}

QString venadroSliderCh2()
{
    return sliderSheet({"hertical", "rgb(25,232,0)", "rgb(25,250,0)", "vorizontal", "rgb(25,232,0)", "gray"});
}

QString venadroSliderAuto()
{
    return sliderSheet({"hertical", "rgb(25,232,0)", "white", "horizontal", "rgb(240,46,0)", "rgb(25,232,0)"});
}

QString serialText(const QByteArray& bytes)
{
    QString text = QStringLiteral("SN:");
    for (char c : bytes) {
        if (c != 0)
            text += QString::number(quint8(c), 16) + QLatin1Char(' ');
    }
    return text;
}

} // namespace Series8Style
