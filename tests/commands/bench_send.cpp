// The cost of one command on the wire: the full send path (frame, debug line to a file, datagram)
// beside a bare sendto of the same 21 bytes, the dispatch of a 160-byte state reply, and the
// same reply's whole way from the socket to its signal.
// Run inside tools/netns-run: it sends to 127.0.0.2 only.

#include "bench_ratio.h"
#include "druvela_workdata.h"

#include <QCoreApplication>
#include <QUdpSocket>

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>

namespace {

FILE* g_log = nullptr;
Druvela_workdata* g_dev = nullptr;

void BM_SendPath(benchmark::State& state)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& msg) { std::fprintf(g_log, "%s\n", qPrintable(msg)); });
    unsigned char ch = 0;
    for (auto _ : state)
        g_dev->SendCDMPGMCH(ch++ & 0x0F);
    qInstallMessageHandler(nullptr);
}
BENCHMARK(BM_SendPath);

void BM_RawSendto(benchmark::State& state)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(7000);
    ::inet_pton(AF_INET, "127.0.0.2", &to.sin_addr);
    unsigned char frame[21] = {};
    SWITCHER_DATA::Single_Char_Data(frame, 0xA5, 0xFF, 0x80, 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(::sendto(fd, frame, sizeof frame, 0, reinterpret_cast<sockaddr*>(&to), sizeof to));
    ::close(fd);
}
BENCHMARK(BM_RawSendto);

void BM_DispatchState160(benchmark::State& state)
{
    QByteArray reply(160, '\0');
    SWITCHER_DATA::None_Char_Data(reply.data(), 0xA5, 0xFF, 0x0A);
    reply[2] = char(160);
    long seen = 0;
    auto conn = QObject::connect(g_dev, &Druvela_workdata::on_signals_allData, [&seen](const QByteArray& by) { seen += by.size(); });
    for (auto _ : state)
        g_dev->CheckReceiveData(reply);
    QObject::disconnect(conn);
    benchmark::DoNotOptimize(seen);
}
BENCHMARK(BM_DispatchState160);

// A reply written to the command port until its signal has been raised: the read, the
// hand-over and the dispatch, with the event loop turning as it does in the program.
void BM_ReplyThroughSocket(benchmark::State& state)
{
    QByteArray reply(160, '\0');
    SWITCHER_DATA::None_Char_Data(reply.data(), 0xA5, 0xFF, 0x0A);
    reply[2] = char(160);
    QUdpSocket device;
    long seen = 0;
    auto conn = QObject::connect(g_dev, &Druvela_workdata::on_signals_allData, [&seen](const QByteArray&) { ++seen; });
    for (auto _ : state) {
        const long before = seen;
        device.writeDatagram(reply, QHostAddress::LocalHost, 7000);
        while (seen == before)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QObject::disconnect(conn);
}
BENCHMARK(BM_ReplyThroughSocket);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    g_log = std::fopen("/tmp/bench_send.log", "w");
    if (!g_log)
        return 1;
    // A listener where the switcher would be, so the datagrams have somewhere to go.
    QUdpSocket device;
    device.bind(QHostAddress(QStringLiteral("127.0.0.2")), 7000, QAbstractSocket::ShareAddress);
    Druvela_workdata dev;
    dev.get_DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF);
    g_dev = &dev;
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("BM_SendPath", "BM_RawSendto");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::fclose(g_log);
    return 0;
}
