// The cost of one command on the wire: the full send path (frame, debug line, datagram) beside a
// bare sendto of the same 21 bytes, and the dispatch of a 160-byte state reply.
// Run inside tools/netns-run: it sends to 127.0.0.2 only.

#include "druvela_workdata.h"

#include <QCoreApplication>
#include <QDir>
#include <QUdpSocket>

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

FILE* g_logFile = nullptr;

// The debug lines go to a file, as a deployed program's log would.
void fileHandler(QtMsgType, const QMessageLogContext&, const QString& msg)
{
    const QByteArray line = msg.toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), g_logFile);
    std::fputc('\n', g_logFile);
}

void discardHandler(QtMsgType, const QMessageLogContext&, const QString&) {}

Druvela_workdata* g_dev = nullptr;

// The debug line written to the file, or built and thrown away (what the file write costs).
void sendPath(benchmark::State& state, QtMessageHandler handler)
{
    qInstallMessageHandler(handler);
    unsigned char ch = 0;
    for (auto _ : state)
        g_dev->SendCDMPGMCH(ch++ & 0x0F);
    qInstallMessageHandler(fileHandler);
}
BENCHMARK_CAPTURE(sendPath, BM_SendPath, fileHandler)->Name("BM_SendPath");
BENCHMARK_CAPTURE(sendPath, BM_SendPathLogDiscarded, discardHandler)->Name("BM_SendPathLogDiscarded");

// A command that writes no debug line: frame and Qt datagram only.
void BM_SendPathNoLine(benchmark::State& state)
{
    unsigned char x = 0;
    for (auto _ : state)
        g_dev->SendCMDJoystick(x++, 0x40);
}
BENCHMARK(BM_SendPathNoLine);

void BM_RawSendto(benchmark::State& state)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(7000);
    ::inet_pton(AF_INET, "127.0.0.2", &to.sin_addr);
    unsigned char frame[21] = {};
    SWITCHER_DATA::Single_Char_Data(frame, 0xA5, 0xFF, 0x80, 3);
    for (auto _ : state) {
        const ssize_t n = ::sendto(fd, frame, sizeof frame, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
        benchmark::DoNotOptimize(n);
    }
    ::close(fd);
}
BENCHMARK(BM_RawSendto);

void BM_DispatchState160(benchmark::State& state)
{
    QByteArray reply(160, '\0');
    const unsigned char head[] = {0xA5, 0x6C, 160, 0, 0xA5, 0xFF, 0x01};
    std::memcpy(reply.data(), head, sizeof head);
    reply[16] = 0x0A;
    reply[159] = char(0xAE);
    long seen = 0;
    auto conn = QObject::connect(g_dev, &Druvela_workdata::on_signals_allData,
                                 [&seen](const QByteArray& by) { seen += by.size(); });
    for (auto _ : state)
        g_dev->CheckReceiveData(reply);
    QObject::disconnect(conn);
    benchmark::DoNotOptimize(seen);
}
BENCHMARK(BM_DispatchState160);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray logPath = QDir::temp().filePath(QStringLiteral("bench_send.log")).toLocal8Bit();
    g_logFile = std::fopen(logPath.constData(), "w");
    if (!g_logFile)
        return 1;

    // A listener where the switcher would be, so the datagrams have somewhere to go.
    QUdpSocket device;
    device.bind(QHostAddress(QStringLiteral("127.0.0.2")), 7000, QAbstractSocket::ShareAddress);
    Druvela_workdata dev;
    dev.get_DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF);
    g_dev = &dev;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    qInstallMessageHandler(nullptr);
    std::fclose(g_logFile);

    std::printf("debug lines written to %s\n", logPath.constData());
    return 0;
}
