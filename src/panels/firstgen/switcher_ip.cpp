#include "switcher_ip.h"

#include "druvela_workdata.h"
#include "ipv4_text.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtMath>

namespace SwitcherIp {

void guardEntry(QLineEdit* entry, QWidget* dialog)
{
    entry->setValidator(Ipv4Text::newValidator(dialog));
}

int wholeAddressWidth(QLineEdit* entry)
{
    // The style sheet's border is part of the frame the style adds.
    entry->ensurePolished();
    QStyleOptionFrame opt;
    opt.initFrom(entry);
    opt.lineWidth = entry->hasFrame() ? entry->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, entry) : 0;
    opt.state |= QStyle::State_Sunken;
    // A line edit keeps 2 px either side of its text and 1 px after it for the cursor.
    const QFontMetricsF fm(entry->font());
    const QMargins text = entry->textMargins();
    const QMargins contents = entry->contentsMargins();
    const int inner = qCeil(fm.horizontalAdvance(QStringLiteral("255.255.255.255"))) + 2 * 2 + 1 + text.left()
                      + text.right() + contents.left() + contents.right();
    const QSize hint(inner, qCeil(fm.height()));
    return entry->style()->sizeFromContents(QStyle::CT_LineEdit, &opt, hint, entry).width();
}

void send(QWidget* warningParent, Druvela_workdata* ws, const QString& text)
{
    using Ipv4Text::ZeroAddress;
    // 0.0.0.0 in any spelling would retarget the panel to an address nothing is sent to.
    const bool zero = Ipv4Text::isAddress(text) && !Ipv4Text::isAddress(text, ZeroAddress::Refused);
    if (text.isEmpty() || zero) {
        QMessageBox::warning(warningParent, QStringLiteral("Warning"), QStringLiteral("Text cannot be empty"),
                             QMessageBox::Yes);
        return;
    }
    const QByteArray ip = Ipv4Text::toBytes(text);
    if (ip.isEmpty())
        return;
    ws->SendCMD_SetIP(ip, text);
}

} // namespace SwitcherIp
