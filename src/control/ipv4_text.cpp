#include "ipv4_text.h"

#include <QRegExp>
#include <QRegExpValidator>
#include <QStringList>

namespace Ipv4Text {

// [0-9], not \d: \d takes every script's digits, which no address has.
const char kPattern[] = "((2[0-4][0-9]|25[0-5]|[01]?[0-9][0-9]?)\\.){3}(2[0-4][0-9]|25[0-5]|[01]?[0-9][0-9]?)";

QValidator* newValidator(QObject* parent)
{
    return new QRegExpValidator(QRegExp(QString::fromLatin1(kPattern)), parent);
}

QByteArray toBytes(const QString& text, ZeroAddress zero)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() != 4)
        return QByteArray();
    QByteArray out;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return QByteArray();
        uint v = 0;
        for (const QChar c : part) {
            // toUInt would take a sign or surrounding blanks.
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return QByteArray();
            v = v * 10 + uint(c.unicode() - '0');
        }
        if (v > 255)
            return QByteArray();
        out.append(static_cast<char>(v));
    }
    if (zero == ZeroAddress::Refused && out == QByteArray(4, '\0'))
        return QByteArray();
    return out;
}

bool isAddress(const QString& text, ZeroAddress zero)
{
    return !toBytes(text, zero).isEmpty();
}

} // namespace Ipv4Text
