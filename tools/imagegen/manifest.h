#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// One picture of resources/images.manifest:
//   <path under :/images/>|<width>x<height>|<role>|<label>
struct ManifestEntry
{
    QString path;
    QSize size;
    QString role;
    QString label;
    int line = 0;
};

struct Manifest
{
    // First listing of every path, in file order.
    QList<ManifestEntry> entries;
    // Malformed lines and paths listed twice with another size.
    QStringList problems;
};

Manifest parseManifest(const QString &text);
bool readManifest(const QString &fileName, Manifest *manifest, QString *error);

// The colour family a picture takes from its folders: "green", "red",
// "yellow" or "" (unlit).
QString manifestColour(const QString &path);
