#pragma once
// The pictures a style sheet names, for checking that each one loads.

#include <QRegularExpression>
#include <QStringList>

inline QStringList picturesIn(const QString& sheet)
{
    static const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
    QStringList out;
    auto it = url.globalMatch(sheet);
    while (it.hasNext())
        out << it.next().captured(1);
    return out;
}
