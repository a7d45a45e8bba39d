// zv_imagegen <manifest> <output folder> <qrc file>
// Draws every picture of the manifest under <output folder> and writes a .qrc
// (prefix /images) that names each one by its manifest path.
#include "manifest.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

struct Palette
{
    QColor fill;
    QColor edge;
    QColor text;
};

Palette paletteFor(const QString &colour)
{
    if (colour == QLatin1String("green"))
        return {QColor(0x2e, 0xa0, 0x43), QColor(0x7c, 0xe0, 0x8a), QColor(0xff, 0xff, 0xff)};
    if (colour == QLatin1String("red"))
        return {QColor(0xc6, 0x28, 0x28), QColor(0xff, 0x80, 0x80), QColor(0xff, 0xff, 0xff)};
    if (colour == QLatin1String("yellow"))
        return {QColor(0xe0, 0xb0, 0x1a), QColor(0xff, 0xe0, 0x70), QColor(0x20, 0x20, 0x20)};
    return {QColor(0x3c, 0x3c, 0x3c), QColor(0x6a, 0x6a, 0x6a), QColor(0xe6, 0xe6, 0xe6)};
}

void drawLabel(QPainter &p, const QRect &box, const QString &label, const QColor &colour)
{
    if (label.isEmpty() || box.width() < 4 || box.height() < 4)
        return;
    QFont font(QStringLiteral("DejaVu Sans"));
    int px = qMax(6, box.height() * 45 / 100);
    font.setPixelSize(px);
    while (px > 6 && QFontMetrics(font).horizontalAdvance(label) > box.width() - 4) {
        font.setPixelSize(--px);
    }
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, label);
}

QImage draw(const ManifestEntry &e)
{
    QImage img(e.size, QImage::Format_ARGB32_Premultiplied);
    const Palette pal = paletteFor(manifestColour(e.path));
    const QRect r(QPoint(0, 0), e.size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (e.role == QLatin1String("background")) {
        img.fill(QColor(0x26, 0x27, 0x2b));
        p.setPen(QColor(0x34, 0x35, 0x3a));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    } else if (e.role == QLatin1String("face")) {
        img.fill(Qt::transparent);
        p.setPen(pal.edge);
        p.setBrush(pal.fill);
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        drawLabel(p, r, e.label, pal.text);
    } else if (e.role == QLatin1String("lamp")) {
        img.fill(Qt::transparent);
        p.setPen(pal.edge);
        p.setBrush(pal.fill);
        const int d = qMin(e.size.width(), e.size.height()) - 1;
        p.drawEllipse(QRectF((e.size.width() - d) / 2.0, (e.size.height() - d) / 2.0, d, d));
    } else if (e.role == QLatin1String("groove")) {
        img.fill(QColor(0x1c, 0x1c, 0x1e));
        p.setPen(QColor(0x55, 0x55, 0x58));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    } else if (e.role == QLatin1String("handle")) {
        img.fill(Qt::transparent);
        p.setPen(QColor(0x30, 0x30, 0x30));
        p.setBrush(QColor(0xb0, 0xb0, 0xb4));
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    } else { // icon
        img.fill(Qt::transparent);
        drawLabel(p, r, e.label, manifestColour(e.path).isEmpty() ? QColor(0xe6, 0xe6, 0xe6) : pal.fill);
    }
    p.end();
    return img;
}

// The format the extension names, or PNG content where the extension names
// none that can be written.
QByteArray formatFor(const QString &path)
{
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (!suffix.isEmpty() && QImageWriter::supportedImageFormats().contains(suffix))
        return suffix;
    return QByteArrayLiteral("png");
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: zv_imagegen <manifest> <output folder> <qrc file>\n");
        return 2;
    }
    const QString manifestFile = QString::fromLocal8Bit(argv[1]);
    const QDir outDir(QString::fromLocal8Bit(argv[2]));
    const QString qrcFile = QString::fromLocal8Bit(argv[3]);

    Manifest manifest;
    QString error;
    if (!readManifest(manifestFile, &manifest, &error)) {
        std::fprintf(stderr, "zv_imagegen: %s: %s\n", qPrintable(manifestFile), qPrintable(error));
        return 1;
    }
    // A slip in one line must not stop everyone's build: it is reported here
    // and caught by the resource test.
    for (const QString &problem : qAsConst(manifest.problems))
        std::fprintf(stderr, "zv_imagegen: warning: %s: %s\n", qPrintable(manifestFile), qPrintable(problem));

    QString qrc;
    QTextStream qs(&qrc);
    qs << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/images\">\n";
    for (const ManifestEntry &e : qAsConst(manifest.entries)) {
        const QString file = outDir.filePath(e.path);
        if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
            std::fprintf(stderr, "zv_imagegen: cannot create folder for %s\n", qPrintable(file));
            return 1;
        }
        QImageWriter writer(file, formatFor(e.path));
        if (!writer.write(draw(e))) {
            std::fprintf(stderr, "zv_imagegen: cannot write %s: %s\n", qPrintable(file),
                         qPrintable(writer.errorString()));
            return 1;
        }
        qs << "  <file alias=\"" << e.path.toHtmlEscaped() << "\">"
           << QFileInfo(file).absoluteFilePath().toHtmlEscaped() << "</file>\n";
    }
    qs << "</qresource>\n</RCC>\n";
    qs.flush();

    QSaveFile out(qrcFile);
    if (!out.open(QIODevice::WriteOnly) || out.write(qrc.toUtf8()) < 0 || !out.commit()) {
        std::fprintf(stderr, "zv_imagegen: cannot write %s\n", qPrintable(qrcFile));
        return 1;
    }
    return 0;
}
