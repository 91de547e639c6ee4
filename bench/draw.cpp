// The draw (RetrieveString and RetrieveNameMeaning: a random entry line, split and checked) against the
// floor of reading the same file's lines up to the drawn entry with a QFile
// and readLine, on generated lists of 10, 1,000 and 32,767 entries. A fixed
// random value makes both read the same number of lines: the last entry (the
// worst case) and the middle one. The figures are processor time, which other
// work on the machine does not inflate; the console shows wall time too.

#include "bench/capture.h"
#include "bench/common.h"
#include "game/cScaffold.h"
#include "testsupport/FakeBoard.h"
#include "testsupport/FakePlatform.h"

#include <QFile>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>

namespace {

struct Case
{
    int entries;
    const char *where;
    double random;
};

const Case Cases[] = {
        {10, "last", 0.999999}, {1000, "last", 0.999999}, {32767, "last", 0.999999},
        {10, "middle", 0.5},    {1000, "middle", 0.5},    {32767, "middle", 0.5},
};

int EntryOf(const Case &vCase)
{
    return int(std::floor(vCase.random * vCase.entries)) + 1;
}

std::string Name(const char *vWhat, const Case &vCase)
{
    return std::string(vWhat) + "/" + std::to_string(vCase.entries) + "/" + vCase.where;
}

// The floor: open the file and read its lines, up to and including the drawn
// entry, the last one kept as text.
QString ReadUpTo(const QString &vPath, int vEntry)
{
    QFile file(vPath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    char line[4096];
    qint64 length = 0;
    for (int i = 0; i <= vEntry; ++i) // the count line, then entries 1..vEntry
        length = file.readLine(line, sizeof line);
    while (length > 0 && (line[length - 1] == '\n' || line[length - 1] == '\r'))
        --length;
    return QString::fromUtf8(line, length);
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    // One platform per list size, each with the list in its own folder.
    std::map<int, std::unique_ptr<FakePlatform>> platforms;
    FakeBoard board;

    for (const Case &c : Cases) {
        std::unique_ptr<FakePlatform> &platform = platforms[c.entries];
        if (!platform) {
            platform = std::make_unique<FakePlatform>();
            if (!WriteWordList(platform->wordListPath(), c.entries)) {
                std::fprintf(stderr, "bench_draw: could not write %s\n", qPrintable(platform->wordListPath()));
                return 1;
            }
        }
        const QString path = platform->wordListPath();

        // Both sides must come to the same entry, or the comparison means nothing.
        const int entry = EntryOf(c);
        const QString expected = QString::fromStdString(EntryLine(entry));
        platform->nextRandom = [random = c.random] { return random; };
        cScaffold check(board, *platform);
        QString word, meaning;
        check.RetrieveNameMeaning(check.RetrieveString(), word, meaning);
        if (word + u'=' + meaning != expected || ReadUpTo(path, entry) != expected) {
            std::fprintf(stderr, "bench_draw: the draw and the floor do not reach entry %d of %d\n", entry, c.entries);
            return 1;
        }

        FakePlatform *p = platform.get();
        benchmark::RegisterBenchmark(Name("draw", c).c_str(), [p, &board, random = c.random](benchmark::State &state) {
            p->nextRandom = [random] { return random; };
            cScaffold ops(board, *p);
            for (auto _ : state) {
                QString word, meaning;
                ops.RetrieveNameMeaning(ops.RetrieveString(), word, meaning);
                benchmark::DoNotOptimize(word);
                benchmark::DoNotOptimize(meaning);
            }
        });
        benchmark::RegisterBenchmark(Name("floor", c).c_str(), [path, entry](benchmark::State &state) {
            for (auto _ : state) {
                QString line = ReadUpTo(path, entry);
                benchmark::DoNotOptimize(line);
            }
        });
    }

    CaptureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nThe draw against reading the lines up to the drawn entry (QFile::readLine):\n");
    for (const Case &c : Cases) {
        const double draw = reporter.cpuTime(Name("draw", c));
        const double floor = reporter.cpuTime(Name("floor", c));
        if (draw < 0 || floor < 0)
            continue;
        char figure[96];
        std::snprintf(figure, sizeof figure, "draw, %d entries, %s (entry %d)", c.entries, c.where, EntryOf(c));
        Row(figure, Duration(draw), Duration(floor), draw / floor, c.entries == 32767 ? 1.5 : 0.0);
    }
    return 0;
}
