// Memory over many games, and a draw's memory by list size.
//
//   bench_memory games N   plays N whole games through the real window
//                          (Start, then letters A to Z until the end message,
//                          answered OK) and prints the resident memory after
//                          the first game, the hundredth and the last, as table rows,
//                          and the heap in use for information.
//   bench_memory draw N R  writes a list of N entries, then draws its last
//                          entry R times; bench_process runs it and reads the
//                          process's peak memory.
//
// Resident memory is read from /proc/self/statm after malloc_trim(0), so that
// free memory the allocator still holds does not count; memory still in use
// (a leak) does.

#include "bench/common.h"
#include "game/cScaffold.h"
#include "platform/seam/Controls.h"
#include "testsupport/FakeBoard.h"
#include "testsupport/FakePlatform.h"
#include "testsupport/Headless.h"
#include "window/fScaffold.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <malloc.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

double ResidentKilobytes()
{
    malloc_trim(0);
    long pages = 0;
    long resident = 0;
    if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1024.0;
}

double HeapKilobytes()
{
    return double(mallinfo2().uordblks) / 1024.0;
}

int Games(int argc, char **argv, int vGames)
{
    Headless();
    QApplication app(argc, argv);
    FakePlatform platform;
    platform.keepMessages = false;
    if (!WriteWordList(platform.wordListPath(), 1000))
        return 1;
    double random = 0;
    platform.nextRandom = [&] { return random; };
    fScaffold window(platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *start = window.findChild<QPushButton *>(Controls::cStart);
    QList<QLabel *> letters;
    for (int i = 0; i < Controls::LetterCount; ++i)
        letters << window.findChild<QLabel *>(Controls::Element(Controls::lLetters, i));

    // Resident memory and heap in use after game 1, game 100 and the last.
    struct Mark
    {
        int game;
        double resident;
        double heap;
    };
    std::vector<Mark> marks;
    for (int game = 1; game <= vGames; ++game) {
        // A different word each game, spread over the whole list.
        random = std::fmod(game * 0.6180339887, 1.0);
        const int before = platform.messageCount;
        QTest::mouseClick(start, Qt::LeftButton);
        DeliverPosted();
        for (QLabel *cell : letters) {
            if (platform.messageCount != before)
                break;
            if (cell->isVisible() && cell->isEnabled()) {
                QTest::mouseClick(cell, Qt::LeftButton);
                DeliverPosted();
            }
        }
        if (platform.messageCount != before + 1 || window.hasEnded()) {
            std::fprintf(stderr, "bench_memory: game %d did not end with one message\n", game);
            return 1;
        }
        if (game == 1 || game == 100 || game == vGames)
            marks.push_back({game, ResidentKilobytes(), HeapKilobytes()});
    }

    const Mark &last = marks.back();
    std::printf("\nMemory after %d games against after the first game and the hundredth:\n", vGames);
    for (const Mark &mark : marks)
        std::printf("  after game %4d: resident %.0f KiB, heap in use %.0f KiB\n", mark.game, mark.resident, mark.heap);
    char figure[96];
    char value[48];
    // Qt's caches (glyphs, text layout, accessibility) fill in the first
    // games: some 150 KiB, which by itself is half a percent. What a leak
    // would show is growth after that, so the goal counts from game 100 on;
    // the growth from game 1 is shown for information.
    for (size_t i = 0; i + 1 < marks.size(); ++i) {
        const Mark &from = marks[i];
        std::snprintf(figure, sizeof figure, "resident memory, game %d to %d", from.game, last.game);
        std::snprintf(value, sizeof value, "%s (%+.0f KiB)", Kilobytes(last.resident).c_str(),
                      last.resident - from.resident);
        Row(figure, value, Kilobytes(from.resident) + " after " + std::to_string(from.game),
            last.resident / from.resident, from.game == 1 ? 0.0 : 1.0);
    }
    // The heap in use is the finer measure; Qt's caches (glyphs, text layout)
    // fill in the first games, so it is shown from game 1 and from game 100.
    for (size_t i = 0; i + 1 < marks.size(); ++i) {
        const Mark &from = marks[i];
        std::snprintf(figure, sizeof figure, "heap in use, game %d to %d", from.game, last.game);
        std::snprintf(value, sizeof value, "%.0f KiB (%+.0f)", last.heap, last.heap - from.heap);
        char floor[48];
        std::snprintf(floor, sizeof floor, "%.0f KiB", from.heap);
        Row(figure, value, floor, last.heap / from.heap, 0);
    }
    return 0;
}

int Draws(int vEntries, int vDraws)
{
    FakePlatform platform;
    if (!WriteWordList(platform.wordListPath(), vEntries))
        return 1;
    platform.nextRandom = [] { return 0.999999; };
    FakeBoard board;
    cScaffold ops(board, platform);
    const QString expected = QString::fromStdString(EntryWord(vEntries));
    for (int i = 0; i < vDraws; ++i) {
        QString word, meaning;
        ops.RetrieveNameMeaning(ops.RetrieveString(), word, meaning);
        if (word != expected)
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "games") == 0)
        return Games(argc, argv, std::atoi(argv[2]));
    if (argc == 4 && std::strcmp(argv[1], "draw") == 0)
        return Draws(std::atoi(argv[2]), std::atoi(argv[3]));
    std::fprintf(stderr, "usage: bench_memory games N | bench_memory draw ENTRIES DRAWS\n");
    return 2;
}
