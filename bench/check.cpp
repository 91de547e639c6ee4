// The word list checker (CheckWordList, as scaffold-check runs it) on the
// generated list of 32,767 entries, the most a list can hold, against the
// floor of reading the same lines with the game's own reader. Its goal is an
// absolute one, well under a second for the whole list, shown beside the row.
// Processor time.

#include "bench/common.h"
#include "game/WordListCheck.h"
#include "platform/files/FileTextInput.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

constexpr int Entries = 32767;

const QString &ListPath()
{
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("Vocabulary.txt"));
    static const bool written = WriteWordList(path, Entries);
    if (!written)
        std::abort();
    return path;
}

// Median processor seconds of each benchmark, for the row.
double g_check = 0;
double g_read = 0;

void BM_CheckWholeList(benchmark::State &state)
{
    for (auto _ : state) {
        QString why;
        const WordListReport report = CheckWordList(FileTextInput::open(FilePath::FromText(ListPath()), why), why);
        benchmark::DoNotOptimize(report.entries);
    }
}

void BM_ReadWholeList(benchmark::State &state)
{
    for (auto _ : state) {
        QString why;
        const auto input = FileTextInput::open(FilePath::FromText(ListPath()), why);
        QString line;
        int lines = 0;
        while (input->readLine(line) == TextInput::Read::Line)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
}

BENCHMARK(BM_CheckWholeList)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_ReadWholeList)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

class KeepMedians : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &vRuns) override
    {
        for (const Run &run : vRuns) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            // Milliseconds, the benchmarks' unit.
            const double seconds = run.GetAdjustedCPUTime() / 1e3;
            (run.benchmark_name().find("Check") != std::string::npos ? g_check : g_read) = seconds;
        }
        ConsoleReporter::ReportRuns(vRuns);
    }
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    KeepMedians reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    Row("check 32767 entries (goal < 1 s: " + std::string(g_check < 1.0 ? "met" : "NOT MET") + ")", Duration(g_check),
        Duration(g_read), g_read > 0 ? g_check / g_read : 0.0, 0);
    return 0;
}
