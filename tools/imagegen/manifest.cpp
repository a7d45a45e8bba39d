#include "manifest.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

namespace {

const QStringList kRoles = {QStringLiteral("face"), QStringLiteral("lamp"), QStringLiteral("background"),
                            QStringLiteral("groove"), QStringLiteral("handle"), QStringLiteral("icon")};

bool pathIsSafe(const QString &path)
{
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('/')))
        return false;
    const QStringList parts = path.split(QLatin1Char('/'));
    for (const QString &part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return true;
}

} // namespace

Manifest parseManifest(const QString &text)
{
    static const QRegularExpression sizeRe(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    Manifest manifest;
    QHash<QString, int> seen;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        const int lineNo = i + 1;
        const QStringList fields = line.split(QLatin1Char('|'));
        if (fields.size() < 3 || fields.size() > 4) {
            manifest.problems << QStringLiteral("line %1: expected path|WxH|role[|label]").arg(lineNo);
            continue;
        }
        ManifestEntry entry;
        entry.path = fields.at(0);
        entry.line = lineNo;
        if (!pathIsSafe(entry.path)) {
            manifest.problems << QStringLiteral("line %1: bad path \"%2\"").arg(lineNo).arg(entry.path);
            continue;
        }
        const auto m = sizeRe.match(fields.at(1).trimmed());
        const int w = m.hasMatch() ? m.captured(1).toInt() : 0;
        const int h = m.hasMatch() ? m.captured(2).toInt() : 0;
        if (w < 1 || h < 1 || w > 8192 || h > 8192) {
            manifest.problems << QStringLiteral("line %1: bad size \"%2\"").arg(lineNo).arg(fields.at(1));
            continue;
        }
        entry.size = QSize(w, h);
        entry.role = fields.at(2).trimmed().toLower();
        if (!kRoles.contains(entry.role)) {
            manifest.problems << QStringLiteral("line %1: unknown role \"%2\"").arg(lineNo).arg(fields.at(2));
            continue;
        }
        entry.label = fields.size() == 4 ? fields.at(3) : QString();
        if (entry.label.isEmpty()) {
            entry.label = entry.path.section(QLatin1Char('/'), -1);
            const int dot = entry.label.lastIndexOf(QLatin1Char('.'));
            if (dot > 0)
                entry.label.truncate(dot);
        }
        const auto previous = seen.constFind(entry.path);
        if (previous != seen.constEnd()) {
            const ManifestEntry &first = manifest.entries.at(previous.value());
            if (first.size != entry.size) {
                manifest.problems << QStringLiteral("line %1: \"%2\" listed again with size %3x%4 (line %5 says %6x%7)")
                                         .arg(lineNo)
                                         .arg(entry.path)
                                         .arg(entry.size.width())
                                         .arg(entry.size.height())
                                         .arg(first.line)
                                         .arg(first.size.width())
                                         .arg(first.size.height());
            }
            continue;
        }
        seen.insert(entry.path, manifest.entries.size());
        manifest.entries << entry;
    }
    return manifest;
}

bool readManifest(const QString &fileName, Manifest *manifest, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    *manifest = parseManifest(QString::fromUtf8(file.readAll()));
    return true;
}

QString manifestColour(const QString &path)
{
    const QStringList folders = path.split(QLatin1Char('/')).mid(0, path.count(QLatin1Char('/')));
    for (auto it = folders.crbegin(); it != folders.crend(); ++it) {
        const QString folder = it->toLower();
        if (folder == QLatin1String("green") || folder == QLatin1String("red") || folder == QLatin1String("yellow"))
            return folder;
        if (folder == QLatin1String("white") || folder == QLatin1String("default"))
            return QString();
    }
    return QString();
}
