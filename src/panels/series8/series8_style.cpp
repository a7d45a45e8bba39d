#include "series8_style.h"

#include <QByteArray>

namespace Series8Style {

QString sliderSheet(const char* handle, const char* afterHandle)
{
    // The vertical rules keep the switcher's own spellings ("Vertial").
    return QStringLiteral(
               "QSlider::vertical{background:transparent;padding-top:12px;padding-bottom:3px;min-width:25px;}"
               "QSlider::groove:vertical {background:rgb(45,152,255);width:4px;}"
               "QSlider::handle:vertical {background:rgb(45,152,255);height: 10px;border-radius:5px;margin:0px -8px;}"
               "QSlider::handle:pressed:vertical {background-color:white;}"
               "QSlider::add-page:Vertial{background-color: rgb(45,152,255);}"
               "QSlider::sub-page:Vertial {background-color:gray;}"
               "QSlider::horizontal{background:transparent;min-height:25px;}"
               "QSlider::groove:horizontal {background:rgb(45,152,255);height:4px;}"
               "QSlider::handle:horizontal {background:%1;width: 10px;border-radius:5px;margin:-8px 0px;}"
               "QSlider::handle:pressed:horizontal {background-color:white;}"
               "QSlider::add-page:horizontal{background-color: %2;}"
               "QSlider::sub-page:horizontal {background-color:rgb(25,232,0);}"
               "QLabel{color:rgb(45,152,255);}")
        .arg(QLatin1String(handle), QLatin1String(afterHandle));
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
