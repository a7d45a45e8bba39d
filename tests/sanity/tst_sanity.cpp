// The socket tests rely on running in a namespace of their own: only loopback, and port 7000 free.
#include <QNetworkInterface>
#include <QtTest>
#include <QUdpSocket>

class tst_sanity : public QObject
{
    Q_OBJECT
private slots:
    void onlyLoopbackIsUpAndPort7000IsFree()
    {
        for (const QNetworkInterface& i : QNetworkInterface::allInterfaces())
            QVERIFY2(!(i.flags() & QNetworkInterface::IsUp) || (i.flags() & QNetworkInterface::IsLoopBack), qPrintable(i.name()));
        QUdpSocket s;
        QVERIFY(s.bind(QHostAddress::LocalHost, 7000));
    }
};
QTEST_GUILESS_MAIN(tst_sanity)
#include "tst_sanity.moc"
