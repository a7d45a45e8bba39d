#include "manifest.h"
#include "zv_resources.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QResource>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString sourceDir()
{
    return QString::fromLocal8Bit(qgetenv("ZV_SOURCE_DIR"));
}

Manifest treeManifest()
{
    Manifest m;
    QString error;
    if (!readManifest(sourceDir() + QStringLiteral("/resources/images.manifest"), &m, &error))
        m.problems << error;
    return m;
}

// Mean colour of the opaque pixels.
QColor meanColour(const QImage &img)
{
    qint64 r = 0, g = 0, b = 0, n = 0;
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb px = argb.pixel(x, y);
            if (qAlpha(px) < 128)
                continue;
            r += qRed(px);
            g += qGreen(px);
            b += qBlue(px);
            ++n;
        }
    }
    if (n == 0)
        return QColor();
    return QColor(int(r / n), int(g / n), int(b / n));
}

} // namespace

class tst_resources : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void everyManifestPathIsCompiledAtItsSize();
    void litPicturesShowTheirFolderColour();
    void everyLiteralPathInTheSourcesIsListed();
    void generatorKeepsAwkwardPaths();
};

void tst_resources::initTestCase()
{
    QVERIFY2(!sourceDir().isEmpty(), "ZV_SOURCE_DIR is not set");
    zvInitResources();
}

void tst_resources::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("problems");

    QTest::newRow("comment and blank lines") << "# x|1x1|face\n\n   \n# y" << QStringList() << QStringList() << 0;
    QTest::newRow("label defaults to file name")
        << "a/b/PGM 1.png|10x20|face" << QStringList{"a/b/PGM 1.png"} << QStringList{"PGM 1"} << 0;
    QTest::newRow("explicit label, CRLF")
        << "x/y.png|3x4|lamp|On\r\n" << QStringList{"x/y.png"} << QStringList{"On"} << 0;
    QTest::newRow("blanks and parentheses")
        << "4k/default/search/Tesmond(2021) key.png|5x5|icon"
        << QStringList{"4k/default/search/Tesmond(2021) key.png"} << QStringList{"Tesmond(2021) key"} << 0;
    QTest::newRow("same path twice, same size: one entry")
        << "a.png|1x1|icon\na.png|1x1|icon|x" << QStringList{"a.png"} << QStringList{"a"} << 0;
    QTest::newRow("same path twice, other size: reported")
        << "a.png|1x1|icon\na.png|2x1|icon" << QStringList{"a.png"} << QStringList{"a"} << 1;
    QTest::newRow("bad size, bad role, too few fields")
        << "a.png|0x1|icon\nb.png|1x1|button\nc.png|1x1\nd.png|1x1|face" << QStringList{"d.png"}
        << QStringList{"d"} << 3;
    QTest::newRow("paths that leave the folder are refused")
        << "../x.png|1x1|icon\n/abs.png|1x1|icon\na//b.png|1x1|icon" << QStringList() << QStringList() << 3;
}

void tst_resources::parse()
{
    QFETCH(QString, text);
    QFETCH(QStringList, paths);
    QFETCH(QStringList, labels);
    QFETCH(int, problems);

    const Manifest m = parseManifest(text);
    QStringList gotPaths, gotLabels;
    for (const ManifestEntry &e : m.entries) {
        gotPaths << e.path;
        gotLabels << e.label;
    }
    QCOMPARE(gotPaths, paths);
    QCOMPARE(gotLabels, labels);
    QCOMPARE(m.problems.size(), problems);
}

void tst_resources::everyManifestPathIsCompiledAtItsSize()
{
    const Manifest m = treeManifest();
    QVERIFY2(m.problems.isEmpty(), qPrintable(m.problems.join(QLatin1Char('\n'))));
    QVERIFY(!m.entries.isEmpty());
    QStringList failures;
    for (const ManifestEntry &e : m.entries) {
        const QString res = QStringLiteral(":/images/") + e.path;
        QImageReader reader(res);
        const QImage img = reader.read();
        if (img.isNull())
            failures << QStringLiteral("%1: %2").arg(res, reader.errorString());
        else if (img.size() != e.size)
            failures << QStringLiteral("%1: %2x%3, listed %4x%5")
                            .arg(res)
                            .arg(img.width())
                            .arg(img.height())
                            .arg(e.size.width())
                            .arg(e.size.height());
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

void tst_resources::litPicturesShowTheirFolderColour()
{
    const Manifest m = treeManifest();
    int checked = 0;
    for (const ManifestEntry &e : m.entries) {
        if (e.role != QLatin1String("face") && e.role != QLatin1String("lamp"))
            continue;
        const QColor c = meanColour(QImage(QStringLiteral(":/images/") + e.path));
        QVERIFY2(c.isValid(), qPrintable(e.path));
        const QString colour = manifestColour(e.path);
        const QString what = QStringLiteral("%1 (%2): mean %3").arg(e.path, colour, c.name());
        if (colour == QLatin1String("green"))
            QVERIFY2(c.green() > c.red() + 40 && c.green() > c.blue() + 40, qPrintable(what));
        else if (colour == QLatin1String("red"))
            QVERIFY2(c.red() > c.green() + 40 && c.red() > c.blue() + 40, qPrintable(what));
        else if (colour == QLatin1String("yellow"))
            QVERIFY2(c.red() > c.blue() + 60 && c.green() > c.blue() + 60, qPrintable(what));
        else
            QVERIFY2(c.lightness() < 110 && qAbs(c.red() - c.blue()) < 20, qPrintable(what));
        ++checked;
    }
    QVERIFY(checked > 0);
    // The nearest folder decides; a file name is no folder.
    QCOMPARE(manifestColour(QStringLiteral("green/white/x.png")), QString());
    QCOMPARE(manifestColour(QStringLiteral("a/yellow/b/x.png")), QStringLiteral("yellow"));
    QCOMPARE(manifestColour(QStringLiteral("4k/green.png")), QString());
}

void tst_resources::everyLiteralPathInTheSourcesIsListed()
{
    QSet<QString> listed;
    for (const ManifestEntry &e : treeManifest().entries)
        listed.insert(e.path);

    // A literal path ends with its extension and never crosses a quote, so
    // names built at run time ("...:/images/" + x) are not taken for paths.
    static const QRegularExpression literal(
        QStringLiteral(":/images/([^\"\\n]*?\\.(?:png|jpg|jpeg|bmp|gif|svg|ico))"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList missing;
    int seen = 0;
    QDirIterator it(sourceDir() + QStringLiteral("/src"), {QStringLiteral("*.ui"), QStringLiteral("*.cpp"),
                                                          QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile f(file);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(file));
        const QString text = QString::fromUtf8(f.readAll());
        auto matches = literal.globalMatch(text);
        while (matches.hasNext()) {
            const QString path = matches.next().captured(1);
            if (path.contains(QLatin1Char('%')))
                continue;
            ++seen;
            if (!listed.contains(path))
                missing << QStringLiteral("%1: %2").arg(QDir(sourceDir()).relativeFilePath(file), path);
        }
    }
    QVERIFY(seen > 0);
    missing.removeDuplicates();
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
}

// Draws a small manifest with awkward names, compiles it with rcc and loads
// the pictures back through the resource system.
void tst_resources::generatorKeepsAwkwardPaths()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString manifestFile = dir.filePath(QStringLiteral("m.manifest"));
    {
        QFile f(manifestFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("# test\n"
                "zvtest/default/Tesmond(2021) key.png|40x20|face\n"
                "zvtest/green/A & <B>.png|12x12|lamp\n"
                "zvtest/red/photo.jpg|30x10|face|JPG\n"
                "zvtest/yellow/no extension|8x6|lamp\n");
    }
    const QString out = dir.filePath(QStringLiteral("out"));
    const QString qrc = dir.filePath(QStringLiteral("t.qrc"));
    const QString rcc = dir.filePath(QStringLiteral("t.rcc"));

    QProcess gen;
    gen.start(QStringLiteral(ZV_IMAGEGEN), {manifestFile, out, qrc});
    QVERIFY(gen.waitForFinished(60000));
    QVERIFY2(gen.exitCode() == 0, gen.readAllStandardError().constData());

    QProcess comp;
    comp.start(QStringLiteral(ZV_RCC), {QStringLiteral("-binary"), qrc, QStringLiteral("-o"), rcc});
    QVERIFY(comp.waitForFinished(60000));
    QVERIFY2(comp.exitCode() == 0, comp.readAllStandardError().constData());
    QVERIFY(QResource::registerResource(rcc));

    const QImage key(QStringLiteral(":/images/zvtest/default/Tesmond(2021) key.png"));
    QCOMPARE(key.size(), QSize(40, 20));
    const QImage lamp(QStringLiteral(":/images/zvtest/green/A & <B>.png"));
    QCOMPARE(lamp.size(), QSize(12, 12));
    QVERIFY(meanColour(lamp).green() > meanColour(lamp).red() + 40);

    QCOMPARE(QImage(QStringLiteral(":/images/zvtest/red/photo.jpg")).size(), QSize(30, 10));
    if (QImageWriter::supportedImageFormats().contains("jpg")) {
        QFile jpg(QStringLiteral(":/images/zvtest/red/photo.jpg"));
        QVERIFY(jpg.open(QIODevice::ReadOnly));
        QVERIFY(jpg.read(2) == QByteArray("\xFF\xD8"));
    }

    QFile raw(QStringLiteral(":/images/zvtest/yellow/no extension"));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY(raw.read(8).startsWith("\x89PNG"));
}

QTEST_MAIN(tst_resources)
#include "tst_resources.moc"
