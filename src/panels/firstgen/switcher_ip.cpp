#include "switcher_ip.h"

#include "druvela_workdata.h"
#include "ipv4_text.h"

#include <QLineEdit>
#include <QMessageBox>

namespace SwitcherIp {

void guardEntry(QLineEdit* entry, QWidget* dialog)
{
    entry->setValidator(Ipv4Text::newValidator(dialog));
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
