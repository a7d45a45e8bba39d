// What a state dump costs each panel, handed to the panel's command layer as
// a received datagram: the first dump a new panel gets, the same dump again,
// and a dump that changes only the PGM source. The closing table gives each
// panel's repeated and one-row dumps as a share of its first, in CPU time
// (the machine's other work stretches wall time). The panels' debug lines
// are formatted but not written, so the terminal's speed does not count.

#include "dump_panels.h"
#include "zv_resources.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

void deletePanel(QWidget* panel)
{
    delete panel;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void firstDump(benchmark::State& state, const DumpPanels::Entry& e)
{
    const QByteArray dump = DumpPanels::fullDump();
    for (auto _ : state) {
        state.PauseTiming();
        QWidget* panel = DumpPanels::open(e);
        state.ResumeTiming();
        DumpPanels::feed(panel, dump);
        state.PauseTiming();
        deletePanel(panel);
        state.ResumeTiming();
    }
}

void sameDumpAgain(benchmark::State& state, const DumpPanels::Entry& e)
{
    const QByteArray dump = DumpPanels::fullDump();
    QWidget* panel = DumpPanels::open(e);
    DumpPanels::feed(panel, dump);
    for (auto _ : state)
        DumpPanels::feed(panel, dump);
    deletePanel(panel);
}

// Each dump differs from the one before in the PGM source alone.
void pgmRowChanged(benchmark::State& state, const DumpPanels::Entry& e)
{
    const QByteArray dumps[2] = {DumpPanels::fullDump(1), DumpPanels::fullDump(3)};
    QWidget* panel = DumpPanels::open(e);
    DumpPanels::feed(panel, dumps[0]);
    int n = 0;
    for (auto _ : state)
        DumpPanels::feed(panel, dumps[++n & 1]);
    deletePanel(panel);
}

// The console report, then one line per panel with the shares and the goals
// (again at most 1/20 of the first dump, one row at most 1/5, a first dump
// under 16 ms).
class DumpTableReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // Each benchmark runs a few times over: its median stands for it.
            if (run.error_occurred || run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            const std::string name = run.run_name.function_name;
            const size_t slash = name.find('/');
            if (slash == std::string::npos)
                continue;
            const std::string kind = name.substr(slash + 1, name.find('/', slash + 1) - slash - 1);
            m_ms[name.substr(0, slash)][kind] = run.GetAdjustedCPUTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nCPU time per dump\n%-12s %10s %10s %10s %9s %9s  %s\n", "panel", "first ms", "again ms",
                    "row ms", "again/1st", "row/1st", "goals");
        for (const auto& e : DumpPanels::all()) {
            const auto it = m_ms.find(e.name);
            if (it == m_ms.end())
                continue;
            const auto& t = it->second;
            const double first = at(t, "first"), again = at(t, "again"), row = at(t, "pgm_row");
            if (first <= 0)
                continue;
            const bool ok = first < 16.0 && again <= first / 20 && row <= first / 5;
            std::printf("%-12s %10.3f %10.3f %10.3f %9.3f %9.3f  %s\n", e.name, first, again, row, again / first,
                        row / first, ok ? "met" : "missed");
        }
    }

private:
    static double at(const std::map<std::string, double>& t, const char* kind)
    {
        const auto it = t.find(kind);
        return it == t.end() ? 0 : it->second;
    }
    std::map<std::string, std::map<std::string, double>> m_ms;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    zvInitResources();
    for (const DumpPanels::Entry& e : DumpPanels::all()) {
        const std::string name = e.name;
        for (benchmark::internal::Benchmark* b :
             {benchmark::RegisterBenchmark((name + "/first").c_str(), firstDump, e)->Iterations(20),
              benchmark::RegisterBenchmark((name + "/again").c_str(), sameDumpAgain, e),
              benchmark::RegisterBenchmark((name + "/pgm_row").c_str(), pgmRowChanged, e)})
            b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
    }
    benchmark::Initialize(&argc, argv);
    DumpTableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}
