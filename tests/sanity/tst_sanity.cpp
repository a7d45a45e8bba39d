#include <QtTest>
#include <QUdpSocket>
#include <QNetworkInterface>

// The socket tests rely on running in a namespace of their own: only loopback,
// and port 7000 free for the taking.
class tst_sanity : public QObject
{
    Q_OBJECT
private slots:
    void onlyLoopbackIsVisible()
    {
        for (const QNetworkInterface &i : QNetworkInterface::allInterfaces())
            if (i.flags() & QNetworkInterface::IsUp)
                QVERIFY2(i.flags() & QNetworkInterface::IsLoopBack, qPrintable(i.name()));
    }
    void port7000IsFree()
    {
        QUdpSocket s;
        QVERIFY(s.bind(QHostAddress::LocalHost, 7000));
    }
};
QTEST_GUILESS_MAIN(tst_sanity)
#include "tst_sanity.moc"
