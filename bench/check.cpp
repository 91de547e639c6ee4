// The word list checker (CheckWordList, as scaffold-check runs it) on a
// generated list of 32,767 entries, the most a list can hold, against the
// floor of reading the same lines with the game's own reader. The goal is an
// absolute one: well under a second for the whole list. Processor time.

#include "game/WordListCheck.h"
#include "platform/FileTextInput.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int Entries = 32767;

// Entry i: a distinct word of 5 to 10 small letters and a meaning of ordinary
// words, 40 to 70 characters, the same every run.
QByteArray Entry(int vEntry)
{
    QByteArray word;
    for (unsigned n = unsigned(vEntry) * 2654435761U, i = 0; i < 5 + unsigned(vEntry) % 6; ++i, n = n / 26 + i * 7919)
        word += char('a' + n % 26);
    word += char('a' + vEntry % 26);
    word += char('a' + vEntry / 26 % 26);
    word += char('a' + vEntry / 676 % 26);
    static const char *const Words[] = {"a", "small", "thing", "that", "people", "use", "when", "they", "want",
                                        "to", "keep", "warm", "or", "dry", "in", "the", "house", "garden"};
    QByteArray meaning = "something";
    for (unsigned state = unsigned(vEntry); meaning.size() < 40 + int(state % 30); state = state * 1103515245U + 12345U)
        meaning += QByteArray(" ") + Words[(state >> 8) % 18];
    return word + "=" + meaning + "\n";
}

struct List
{
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("Vocabulary.txt"));
    List()
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(QByteArray::number(Entries) + "\n");
        for (int entry = 1; entry <= Entries; ++entry)
            file.write(Entry(entry));
    }
};

List &TheList()
{
    static List list;
    return list;
}

double g_check = 0;
double g_read = 0;

void BM_CheckWholeList(benchmark::State &state)
{
    const QString &path = TheList().path;
    int findings = 0;
    for (auto _ : state) {
        const WordListReport report = CheckWordList(&FileTextInput::open, path);
        findings = int(report.findings.size());
        benchmark::DoNotOptimize(report.entries);
    }
    state.counters["findings"] = findings;
}

void BM_ReadWholeList(benchmark::State &state)
{
    const QString &path = TheList().path;
    for (auto _ : state) {
        QString why;
        auto input = FileTextInput::open(path, why);
        QString line;
        int lines = 0;
        while (input->readLine(line) == TextInput::Read::Line)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
}

BENCHMARK(BM_CheckWholeList)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_ReadWholeList)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// Keeps the median processor time of each benchmark for the summary line.
class Keep : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &vRuns) override
    {
        for (const Run &run : vRuns) {
            const bool median = run.aggregate_name == "median" || (run.run_type == Run::RT_Iteration && !run.aggregate_name.size());
            if (!median)
                continue;
            const double seconds = run.GetAdjustedCPUTime() / 1e3; // reported in milliseconds
            (run.benchmark_name().find("Check") != std::string::npos ? g_check : g_read) = seconds;
        }
        ConsoleReporter::ReportRuns(vRuns);
    }
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Keep reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    char value[32], floor[32], ratio[32];
    std::snprintf(value, sizeof value, "%.3g ms", g_check * 1e3);
    std::snprintf(floor, sizeof floor, "%.3g ms", g_read * 1e3);
    std::snprintf(ratio, sizeof ratio, "%.2fx", g_read > 0 ? g_check / g_read : 0.0);
    const char *verdict = g_check < 1.0 ? "met" : "NOT MET";
    std::printf("  checking %d entries: %s against reading them, %s: %s (goal under 1 s) %s\n", Entries, value, floor,
                ratio, verdict);
    if (const char *table = std::getenv("SCAFFOLD_BENCH_TABLE")) {
        if (std::FILE *file = std::fopen(table, "a")) {
            std::fprintf(file, "check %d entries\t%s\t%s\t%s\t< 1 s\t%s\n", Entries, value, floor, ratio, verdict);
            std::fclose(file);
        }
    }
    return 0;
}
