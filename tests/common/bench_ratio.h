#pragma once
// Google Benchmark's console report followed by one line giving the time of
// one benchmark as a multiple of another's, so a comparison reads at a glance.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    RatioReporter(std::string numerator, std::string denominator)
        : m_numName(std::move(numerator)), m_denName(std::move(denominator)) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.benchmark_name() == m_numName)
                m_num = run.GetAdjustedRealTime();
            else if (run.benchmark_name() == m_denName)
                m_den = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (m_num > 0 && m_den > 0)
            std::printf("%s / %s: %.2fx\n", m_numName.c_str(), m_denName.c_str(), m_num / m_den);
    }

private:
    std::string m_numName, m_denName;
    double m_num = 0, m_den = 0;
};
