// Applying a state dump to the Vy panel: every group changed versus the same dump again.

#include "model_tables.h"
#include "zv_resources.h"
#include "onlyfun.h"
#include "oriskan_new.h"
#include "edition_frames.h"
#include "bench_ratio.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

Oriskan_NEW* g_panel = nullptr;

// Two dumps that differ in every record byte the panel reads.
QByteArray dumpWith(quint8 base)
{
    QMap<int, quint8> rec;
    for (int r = 0; r <= 115; ++r)
        rec[r] = quint8(base + r % 3);
    rec[0] = base ? 2 : 1;
    rec[1] = base ? 3 : 4;
    return EditionFrames::stateDump(rec, 0x2, 0, 160);
}

void BM_DumpEveryGroupChanged(benchmark::State& state)
{
    const QByteArray a = dumpWith(0), b = dumpWith(1);
    bool flip = false;
    for (auto _ : state) {
        emit g_panel->controller()->getDateSignals(flip ? a : b);
        flip = !flip;
    }
}
BENCHMARK(BM_DumpEveryGroupChanged);

// A repeated dump must touch no widget: a marker face put on a key survives it.
void BM_DumpRepeated(benchmark::State& state)
{
    const QByteArray a = dumpWith(0);
    emit g_panel->controller()->getDateSignals(a);
    QPushButton* pgm = g_panel->findChild<QPushButton*>(QStringLiteral("btn_pgm_1"));
    pgm->setStyleSheet(QStringLiteral("marker"));
    for (auto _ : state)
        emit g_panel->controller()->getDateSignals(a);
    if (pgm->styleSheet() != QLatin1String("marker"))
        state.SkipWithError("a repeated dump touched a widget");
}
BENCHMARK(BM_DumpRepeated);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zvInitResources();
    DEV_CHILD_TYPE = 0x28;
    g_panel = new Oriskan_NEW(nullptr);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("BM_DumpEveryGroupChanged", "BM_DumpRepeated");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    delete g_panel;
    return 0;
}
