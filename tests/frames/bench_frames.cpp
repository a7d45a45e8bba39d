// Cost of building frames and of taking one discovery answer.

#include "discovery_answer.h"
#include "switcher_data.h"

#include <benchmark/benchmark.h>

#include <QHostAddress>

#include <cstring>

static void BM_SingleCharFrame(benchmark::State& state)
{
    unsigned char buf[128] = {};
    for (auto _ : state) {
        benchmark::DoNotOptimize(SWITCHER_DATA::Single_Char_Data(buf, 0xA5, 0xFF, 0x80, 3));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SingleCharFrame);

static void BM_StreamFrame808(benchmark::State& state)
{
    static unsigned char buf[1000];
    rtmp_settings rec{};
    rec.index = 1;
    rec.name_len = 16;
    std::memset(rec.name, 'n', 16);
    rec.url_len = 768;
    std::memset(rec.rtmp_url, 'u', 768);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SWITCHER_DATA::Set_StreamCom(buf, 0xE0, 0xFF, 0x67, rec));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StreamFrame808);

static void silence(QtMsgType, const QMessageLogContext&, const QString&) {}

static void BM_DiscoveryAnswer(benchmark::State& state)
{
    qInstallMessageHandler(silence);
    SWITCHER_DATA sd;
    const QByteArray answer = discoveryAnswer("Zv-Solvenzari-Vy", 0x27);
    const QHostAddress sender(QStringLiteral("127.0.0.2"));
    for (auto _ : state) {
        if (sd.DevInfo_DATA_IDX() == SWITCHER_DATA::DEV_TABLE_SIZE) {
            state.PauseTiming();
            sd.setSearcheQuipment();
            state.ResumeTiming();
        }
        sd.MYanalysis(sender, answer);
    }
    qInstallMessageHandler(nullptr);
}
BENCHMARK(BM_DiscoveryAnswer);

BENCHMARK_MAIN();
