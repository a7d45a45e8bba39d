#pragma once
// The one check for an IPv4 address typed by the operator: four dotted decimal
// parts, each 0..255 in at most three digits, and nothing before, after or
// between them.

#include <QByteArray>
#include <QString>

class QObject;
class QValidator;

namespace Ipv4Text {

enum class ZeroAddress { Allowed, Refused };

// The pattern the address fields' validators use while the operator types.
extern const char kPattern[];

// A validator on that pattern for an address field, owned by parent.
QValidator* newValidator(QObject* parent);

bool isAddress(const QString& text, ZeroAddress zero = ZeroAddress::Allowed);

// The four address bytes in order, or an empty array when text is no address.
QByteArray toBytes(const QString& text, ZeroAddress zero = ZeroAddress::Allowed);

} // namespace Ipv4Text
