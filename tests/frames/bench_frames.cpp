// Cost of building the shortest and the longest frame, and of taking one discovery answer.

#include "discovery_answer.h"
#include "switcher_data.h"

#include <benchmark/benchmark.h>

#include <QHostAddress>

static void BM_SingleCharFrame(benchmark::State& state)
{
    unsigned char buf[128] = {};
    for (auto _ : state)
        benchmark::DoNotOptimize(SWITCHER_DATA::Single_Char_Data(buf, 0xA5, 0xFF, 0x80, 3));
}
BENCHMARK(BM_SingleCharFrame);

static void BM_StreamFrame808(benchmark::State& state)
{
    static unsigned char buf[1000];
    rtmp_settings rec{};
    rec.name_len = 16;
    rec.url_len = 768;
    for (auto _ : state)
        benchmark::DoNotOptimize(SWITCHER_DATA::Set_StreamCom(buf, 0xE0, 0xFF, 0x67, rec));
}
BENCHMARK(BM_StreamFrame808);

static void BM_DiscoveryAnswer(benchmark::State& state)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    SWITCHER_DATA sd;
    const QByteArray answer = discoveryAnswer("Zv-Solvenzari-Vy", 0x27);
    for (auto _ : state) {
        if (sd.DevInfo_DATA_IDX() == SWITCHER_DATA::DEV_TABLE_SIZE)
            sd.setSearcheQuipment();
        sd.MYanalysis(QHostAddress(0x7F000002u), answer);
    }
    qInstallMessageHandler(nullptr);
}
BENCHMARK(BM_DiscoveryAnswer);

BENCHMARK_MAIN();
