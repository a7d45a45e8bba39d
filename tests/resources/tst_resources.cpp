// The image set: the manifest parser, every listed picture compiled at its size and in its
// folder's colour, every literal path in the sources listed, and awkward names through rcc.

#include "manifest.h"
#include "zv_resources.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QResource>
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

// Whether the mean colour of the opaque pixels belongs to the colour family ("" is unlit grey).
bool showsColour(const QImage& img, const QString& family)
{
    qint64 r = 0, g = 0, b = 0, n = 0;
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb px = argb.pixel(x, y);
            if (qAlpha(px) >= 128) {
                r += qRed(px);
                g += qGreen(px);
                b += qBlue(px);
                ++n;
            }
        }
    if (n == 0)
        return false;
    const QColor c(int(r / n), int(g / n), int(b / n));
    if (family == QLatin1String("green"))
        return c.green() > c.red() + 40 && c.green() > c.blue() + 40;
    if (family == QLatin1String("red"))
        return c.red() > c.green() + 40 && c.red() > c.blue() + 40;
    if (family == QLatin1String("yellow"))
        return c.red() > c.blue() + 60 && c.green() > c.blue() + 60;
    return c.lightness() < 110 && qAbs(c.red() - c.blue()) < 20;
}

} // namespace

class tst_resources : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void everyPictureIsCompiledAndEveryLiteralPathListed();
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
    QTest::addColumn<QStringList>("pathsAndLabels");
    QTest::addColumn<int>("problems");
    QTest::newRow("comments and blanks") << "# x|1x1|face\n\n   \n# y" << QStringList() << 0;
    QTest::newRow("label defaults to the file name") << "a/b/PGM 1.png|10x20|face" << QStringList{"a/b/PGM 1.png", "PGM 1"} << 0;
    QTest::newRow("explicit label, CRLF") << "x/y.png|3x4|lamp|On\r\n" << QStringList{"x/y.png", "On"} << 0;
    QTest::newRow("blanks and parentheses") << "k/Tesmond(2021) key.png|5x5|icon" << QStringList{"k/Tesmond(2021) key.png", "Tesmond(2021) key"} << 0;
    QTest::newRow("same path, same size: one entry") << "a.png|1x1|icon\na.png|1x1|icon|x" << QStringList{"a.png", "a"} << 0;
    QTest::newRow("same path, other size: reported") << "a.png|1x1|icon\na.png|2x1|icon" << QStringList{"a.png", "a"} << 1;
    QTest::newRow("bad size, role, field count") << "a.png|0x1|icon\nb.png|1x1|button\nc.png|1x1\nd.png|1x1|face" << QStringList{"d.png", "d"} << 3;
    QTest::newRow("paths leaving the folder") << "../x.png|1x1|icon\n/abs.png|1x1|icon\na//b.png|1x1|icon" << QStringList() << 3;
}

void tst_resources::parse()
{
    QFETCH(QString, text);
    QFETCH(QStringList, pathsAndLabels);
    QFETCH(int, problems);
    const Manifest m = parseManifest(text);
    QStringList got;
    for (const ManifestEntry& e : m.entries)
        got << e.path << e.label;
    QCOMPARE(got, pathsAndLabels);
    QCOMPARE(m.problems.size(), problems);
}

void tst_resources::everyPictureIsCompiledAndEveryLiteralPathListed()
{
    const Manifest m = treeManifest();
    QVERIFY2(m.problems.isEmpty(), qPrintable(m.problems.join(QLatin1Char('\n'))));
    QVERIFY(!m.entries.isEmpty());
    QStringList failures;
    QSet<QString> listed;
    for (const ManifestEntry& e : m.entries) {
        listed.insert(e.path);
        const QImage img(QStringLiteral(":/images/") + e.path);
        const bool lit = e.role == QLatin1String("face") || e.role == QLatin1String("lamp");
        if (img.size() != e.size || (lit && !showsColour(img, manifestColour(e.path))))
            failures << QStringLiteral("%1: %2x%3 %4").arg(e.path).arg(img.width()).arg(img.height()).arg(manifestColour(e.path));
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    // The nearest folder decides; a file name is no folder.
    QCOMPARE(manifestColour(QStringLiteral("green/white/x.png")), QString());
    QCOMPARE(manifestColour(QStringLiteral("a/yellow/b/x.png")), QStringLiteral("yellow"));
    QCOMPARE(manifestColour(QStringLiteral("4k/green.png")), QString());
    // A literal path ends with its extension and never crosses a quote, so names built at run
    // time ("...:/images/" + x) are not taken for paths.
    static const QRegularExpression literal(QStringLiteral(":/images/([^\"\\n]*?\\.(?:png|jpg|jpeg|bmp|gif|svg|ico))"),
                                            QRegularExpression::CaseInsensitiveOption);
    int seen = 0;
    QDirIterator it(sourceDir() + QStringLiteral("/src"), {"*.ui", "*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        auto matches = literal.globalMatch(QString::fromUtf8(f.readAll()));
        while (matches.hasNext()) {
            const QString path = matches.next().captured(1);
            if (path.contains(QLatin1Char('%')))
                continue;
            ++seen;
            if (!listed.contains(path))
                failures << QStringLiteral("%1: %2").arg(QDir(sourceDir()).relativeFilePath(f.fileName()), path);
        }
    }
    QVERIFY(seen > 0);
    failures.removeDuplicates();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

// A small manifest with awkward names, drawn, compiled with rcc and loaded back.
void tst_resources::generatorKeepsAwkwardPaths()
{
    QTemporaryDir dir;
    QFile manifest(dir.filePath(QStringLiteral("m.manifest")));
    QVERIFY(manifest.open(QIODevice::WriteOnly));
    manifest.write("# test\n"
                   "zvtest/default/Tesmond(2021) key.png|40x20|face\n"
                   "zvtest/green/A & <B>.png|12x12|lamp\n"
                   "zvtest/red/photo.jpg|30x10|face|JPG\n"
                   "zvtest/yellow/no extension|8x6|lamp\n");
    manifest.close();
    const QString qrc = dir.filePath(QStringLiteral("t.qrc"));
    const QString rcc = dir.filePath(QStringLiteral("t.rcc"));
    // Run as the build runs it: the offscreen plugin's screens outlive the tool, which is no leak of ours.
    QProcess gen;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    gen.setProcessEnvironment(env);
    gen.setProcessChannelMode(QProcess::ForwardedChannels);
    gen.start(QStringLiteral(ZV_IMAGEGEN), {manifest.fileName(), dir.filePath(QStringLiteral("out")), qrc});
    QVERIFY(gen.waitForFinished(60000));
    QCOMPARE(gen.exitStatus(), QProcess::NormalExit);
    QCOMPARE(gen.exitCode(), 0);
    QCOMPARE(QProcess::execute(QStringLiteral(ZV_RCC), {QStringLiteral("-binary"), qrc, QStringLiteral("-o"), rcc}), 0);
    QVERIFY(QResource::registerResource(rcc));

    QCOMPARE(QImage(QStringLiteral(":/images/zvtest/default/Tesmond(2021) key.png")).size(), QSize(40, 20));
    const QImage lamp(QStringLiteral(":/images/zvtest/green/A & <B>.png"));
    QCOMPARE(lamp.size(), QSize(12, 12));
    QVERIFY(showsColour(lamp, QStringLiteral("green")));
    QCOMPARE(QImage(QStringLiteral(":/images/zvtest/red/photo.jpg")).size(), QSize(30, 10));
    // A name without extension still holds a picture (PNG).
    QFile raw(QStringLiteral(":/images/zvtest/yellow/no extension"));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY(raw.read(8).startsWith("\x89PNG"));
}

QTEST_MAIN(tst_resources)
#include "tst_resources.moc"
