// The stand-in switcher: a test tool that plays one switcher on UDP port 7000.
//
//   zv_standin [--type HEX] [--name TEXT] [--port N] [--log FILE] [--control FIFO]
//
// --type   device type byte of the answers (default 28)
// --name   name in the discovery answer (default Zv-Solvenzari-Vy)
// --log    one line per received datagram: "<ms since epoch> <ip>:<port> <hex>"
//          (the file starts with "# listening <port>" once the socket is bound)
// --control  a FIFO (made if missing) read line by line:
//   silent | answer                      stop / resume answering
//   name <text> | type <hex>             change the identity
//   reply <addrA> <cmd> <payload hex>    bytes from offset 17 of the answer to
//                                        that request (e.g. "reply a5 0a 00...")
//   send <hex>                           send raw bytes to the last peer
//   sendto <ip> <port> <hex>             send raw bytes to a given peer
// Besides the main and stream boards it plays the second board: reads 0x24
// (settings) and 0x6A (a URL entry) with any other address bytes are answered
// with those bytes. Answers go back to the sender's address and port. Run it only inside a
// network namespace of its own (tests/e2e/lib.sh does).
#include "standin_switcher.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QNetworkDatagram>
#include <QSocketNotifier>
#include <QUdpSocket>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("type"), QStringLiteral("Device type byte (hex)."), QStringLiteral("hex"), QStringLiteral("28")},
        {QStringLiteral("name"), QStringLiteral("Name in the discovery answer."), QStringLiteral("text"),
         QStringLiteral("Zv-Solvenzari-Vy")},
        {QStringLiteral("port"), QStringLiteral("UDP port."), QStringLiteral("n"), QStringLiteral("7000")},
        {QStringLiteral("log"), QStringLiteral("Log of received datagrams."), QStringLiteral("file")},
        {QStringLiteral("control"), QStringLiteral("Control FIFO."), QStringLiteral("fifo")},
    });
    parser.process(app);

    StandinSwitcher standin;
    if (!standin.control(QStringLiteral("type ") + parser.value(QStringLiteral("type")))) {
        std::fprintf(stderr, "zv_standin: bad --type\n");
        return 2;
    }
    standin.setName(parser.value(QStringLiteral("name")).toLatin1());

    QFile log;
    if (parser.isSet(QStringLiteral("log"))) {
        log.setFileName(parser.value(QStringLiteral("log")));
        if (!log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text | QIODevice::Unbuffered)) {
            std::fprintf(stderr, "zv_standin: %s\n", qPrintable(log.errorString()));
            return 1;
        }
    }

    bool portOk = false;
    const uint portValue = parser.value(QStringLiteral("port")).toUInt(&portOk);
    if (!portOk || portValue < 1 || portValue > 65535) {
        std::fprintf(stderr, "zv_standin: bad --port\n");
        return 2;
    }
    const quint16 port = quint16(portValue);
    QUdpSocket socket;
    if (!socket.bind(QHostAddress::AnyIPv4, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        std::fprintf(stderr, "zv_standin: bind: %s\n", qPrintable(socket.errorString()));
        return 1;
    }
    if (log.isOpen())
        log.write(QByteArray("# listening ") + QByteArray::number(port) + '\n');

    QHostAddress lastPeer;
    quint16 lastPeerPort = 0;
    QObject::connect(&socket, &QUdpSocket::readyRead, [&] {
        while (socket.hasPendingDatagrams()) {
            const QNetworkDatagram d = socket.receiveDatagram();
            if (!d.isValid())
                break;
            lastPeer = QHostAddress(d.senderAddress().toIPv4Address());
            lastPeerPort = quint16(d.senderPort());
            if (log.isOpen()) {
                log.write(QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + ' '
                          + lastPeer.toString().toLatin1() + ':' + QByteArray::number(lastPeerPort) + ' '
                          + d.data().toHex() + '\n');
            }
            const QByteArray reply = standin.answer(d.data());
            if (!reply.isEmpty())
                socket.writeDatagram(reply, lastPeer, lastPeerPort);
        }
    });
    QObject::connect(&standin, &StandinSwitcher::sendRequested,
                     [&](const QByteArray &bytes, const QString &to, quint16 toPort) {
                         if (!to.isEmpty())
                             socket.writeDatagram(bytes, QHostAddress(to), toPort);
                         else if (!lastPeer.isNull())
                             socket.writeDatagram(bytes, lastPeer, lastPeerPort);
                     });

    QByteArray pending;
    QSocketNotifier *notifier = nullptr;
    if (parser.isSet(QStringLiteral("control"))) {
        const QByteArray path = QFile::encodeName(parser.value(QStringLiteral("control")));
        if (::mkfifo(path.constData(), 0600) != 0 && errno != EEXIST) {
            std::perror("zv_standin: mkfifo");
            return 1;
        }
        // Opened for writing too, so the FIFO never reports end of file
        // between two writers.
        const int fd = ::open(path.constData(), O_RDWR | O_NONBLOCK);
        if (fd < 0) {
            std::perror("zv_standin: control");
            return 1;
        }
        notifier = new QSocketNotifier(fd, QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, [&, fd] {
            char buf[4096];
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n <= 0)
                return;
            pending.append(buf, int(n));
            int nl;
            while ((nl = pending.indexOf('\n')) >= 0) {
                const QString line = QString::fromUtf8(pending.left(nl)).trimmed();
                pending.remove(0, nl + 1);
                if (!line.isEmpty() && !standin.control(line))
                    std::fprintf(stderr, "zv_standin: unknown control line: %s\n", qPrintable(line));
            }
        });
    }
    return app.exec();
}
