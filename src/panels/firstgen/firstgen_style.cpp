#include "firstgen_style.h"

#include "key_frames.h"
#include "settings_page_frame.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QLabel>

namespace FirstGenStyle {

QString dropDownStyle()
{
    return QLatin1String(pageframe::kOldComboStyle);
}

QString spinStyle()
{
    return pageframe::oldSpinStyle(false, 54, 25);
}

PanelFaces::Face stripKey(const QString& file, Lamp lamp)
{
    const bool red = lamp == Lamp::Red;
    return PanelFaces::framedFace(PanelFaces::FaceRule::ImageTight,
                                  QStringLiteral(":/images/white/") + file, QLatin1String(KeyFrames::kGrey),
                                  (red ? QStringLiteral(":/images/red/") : QStringLiteral(":/images/green/")) + file,
                                  QLatin1String(red ? KeyFrames::kRed : KeyFrames::kGreen));
}

PanelFaces::Face groupKey(PanelFaces::FaceRule rule, const QString& unlitFile, const QString& litFile,
                          const char* unlitFrame)
{
    return PanelFaces::framedFace(rule, QStringLiteral(":/images/white/") + unlitFile, QLatin1String(unlitFrame),
                                  QStringLiteral(":/images/green/") + litFile, QLatin1String(kGroupGreen));
}

QLabel* halvaniTitle(QWidget* box, const QString& text, int width)
{
    auto* title = new QLabel(text, box);
    title->setObjectName(QStringLiteral("label_title"));
    title->setGeometry(0, 0, width, 30);
    title->setFont(QFont(QStringLiteral("Microsoft YaHei"), 15, 30));
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, QColor(0x12, 0x12, 0x12));
    title->setPalette(palette);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QLatin1String(kHalvaniTitle));
    return title;
}

QSize desktopSize()
{
    const QWidget* desktop = QApplication::desktop();
    return QSize(desktop->width(), desktop->height());
}

} // namespace FirstGenStyle
