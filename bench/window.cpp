// A whole Start click and a whole letter click on the real window against
// repainting the window once, headless (QT_QPA_PLATFORM=offscreen), the
// window shown and exposed.
//
// A click goes in as a mouse press and release (QTest::mouseClick), so it
// runs the full event path and the handler. The widgets it changes only ask
// for a repaint, which Qt does later from posted events; each measured
// iteration therefore ends by delivering every posted event (layout and
// update requests, so the paint events and the flush of the backing store).
// The floor is QWidget::repaint() of the whole window, which paints and
// flushes at once, followed by the same delivery of posted events; Qt leaves
// opaque children (the filled shapes, the letter cells) as they stand in the
// backing store, so grab(), which renders every widget, is shown as well. Each
// iteration is timed by hand around just that; bringing the board to the state
// the click starts from happens outside the timing. The time taken is the
// processor time of the process (CLOCK_PROCESS_CPUTIME_ID), which other work
// on the machine does not inflate.

#include "bench/capture.h"
#include "bench/common.h"
#include "platform/seam/Controls.h"
#include "testsupport/FakePlatform.h"
#include "testsupport/Headless.h"
#include "window/fScaffold.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <chrono>
#include <ctime>

namespace {

struct Bench
{
    FakePlatform &platform;
    fScaffold &window;
    QPushButton *start;
    // The end messages the benchmark itself brought about; any other is a fault.
    int endMessages = 0;

    QLabel *letter(char vLetter)
    {
        return window.findChild<QLabel *>(Controls::Element(Controls::lLetters, vLetter - 'A'));
    }
    // The board as after a game, what a Start click usually begins from:
    // the game in hand (or a new one) is won, as a player would win it.
    void idle()
    {
        if (!letter('A')->isEnabled())
            QTest::mouseClick(start, Qt::LeftButton);
        for (const char ch : {'A', 'P', 'L', 'E'}) {
            QLabel *cell = letter(ch);
            if (cell->isVisible() && cell->isEnabled())
                QTest::mouseClick(cell, Qt::LeftButton);
        }
        ++endMessages;
        DeliverPosted();
    }
};

// The processor time of the whole process, in seconds: the machine may be
// busy with other work, and offscreen painting never waits for anything.
double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Counts the paint events delivered anywhere in the program.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *vWatched, QEvent *vEvent) override
    {
        if (vEvent->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(vWatched, vEvent);
    }
};
PaintCounter *g_paints = nullptr;

// Times vMeasure and the delivery of the events it posted; the console also
// shows the wall time and the paint events per iteration. A measurement that
// caused no paint event at all would not be what it claims to be.
template <typename Prepare, typename Measure>
void Timed(benchmark::State &vState, Prepare vPrepare, Measure vMeasure)
{
    double wall = 0;
    int paints = 0;
    for (auto _ : vState) {
        vPrepare();
        const int paintsBefore = g_paints->paints;
        const auto wallBegin = std::chrono::steady_clock::now();
        const double begin = CpuSeconds();
        vMeasure();
        DeliverPosted();
        vState.SetIterationTime(CpuSeconds() - begin);
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBegin).count();
        paints += g_paints->paints - paintsBefore;
    }
    if (paints == 0)
        vState.SkipWithError("no paint event was delivered");
    vState.counters["wall_us"] = benchmark::Counter(wall * 1e6, benchmark::Counter::kAvgIterations);
    vState.counters["paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
}

} // namespace

int main(int argc, char **argv)
{
    Headless();
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);

    // A short word list of the game's own kind; the fake's fixed random value
    // draws its first entry, "apple", every time.
    FakePlatform platform;
    platform.keepMessages = false;
    const QByteArray shortList = "3\napple=a sweet fruit that grows on trees\npiano=a large keyboard instrument\n"
                                 "river=a large natural stream of water\n";
    platform.writeWordList(shortList);
    fScaffold window(platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "bench_window: the window was never exposed\n");
        return 1;
    }

    PaintCounter paintCounter;
    g_paints = &paintCounter;
    app.installEventFilter(&paintCounter);

    Bench bench{platform, window, window.findChild<QPushButton *>(Controls::cStart)};
    bench.idle();
    QTest::mouseClick(bench.start, Qt::LeftButton);
    DeliverPosted();
    if (window.word() != QStringLiteral("apple") || !bench.letter('P')->isEnabled()
        || platform.messageCount != bench.endMessages) {
        std::fprintf(stderr, "bench_window: Start did not begin a game with \"apple\"\n");
        return 1;
    }

    auto setup = [](benchmark::internal::Benchmark *vBenchmark) {
        vBenchmark->UseManualTime()->Unit(benchmark::kMicrosecond);
    };
    // What a measurement does first, untimed, and what it times.
    const auto nothing = [] {};
    const auto idle = [&] { bench.idle(); };
    const auto clickStart = [&] { QTest::mouseClick(bench.start, Qt::LeftButton); };
    const auto repaintWindow = [&] { window.repaint(); };
    const auto grabWindow = [&] { benchmark::DoNotOptimize(window.grab()); };
    setup(benchmark::RegisterBenchmark("repaint",
                                       [&](benchmark::State &state) { Timed(state, nothing, repaintWindow); }));
    // For information: rendering every widget into a pixmap, opaque ones too,
    // which repaint() may leave as they are in the backing store.
    setup(benchmark::RegisterBenchmark("grab", [&](benchmark::State &state) { Timed(state, nothing, grabWindow); }));
    setup(benchmark::RegisterBenchmark("start-click",
                                       [&](benchmark::State &state) { Timed(state, idle, clickStart); }));
    setup(benchmark::RegisterBenchmark("start-click-in-game",
                                       [&](benchmark::State &state) { Timed(state, nothing, clickStart); }));
    for (const char letter : {'P', 'Z'}) {
        const std::string name = letter == 'P' ? "letter-click-hit" : "letter-click-miss";
        const auto newGame = [&] {
            bench.idle();
            QTest::mouseClick(bench.start, Qt::LeftButton);
            DeliverPosted();
        };
        const auto clickLetter = [&bench, letter] { QTest::mouseClick(bench.letter(letter), Qt::LeftButton); };
        setup(benchmark::RegisterBenchmark(name.c_str(),
                                           [=](benchmark::State &state) { Timed(state, newGame, clickLetter); }));
    }

    // Start with a clue of 100 characters against one of 60,000: the clue is
    // laid out only as far as its label shows it, so the two should differ
    // little. The list is written before each Start, outside the timing, and
    // the short list put back for the other benchmarks.
    for (const int length : {100, 60000}) {
        QByteArray clue;
        while (clue.size() < length)
            clue += "a word of many uses and of many more meanings besides ";
        clue.truncate(length);
        const QByteArray list = "1\napple=" + clue + "\n";
        const std::string name = "start-click-clue-" + std::to_string(length);
        const auto idleWithList = [&bench, &platform, list] {
            platform.writeWordList(list);
            bench.idle();
        };
        setup(benchmark::RegisterBenchmark(name.c_str(), [=, &platform, &shortList](benchmark::State &state) {
            Timed(state, idleWithList, clickStart);
            platform.writeWordList(shortList);
        }));
    }

    CaptureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (platform.messageCount != bench.endMessages) {
        std::fprintf(stderr, "bench_window: a click ended a game or failed (%d messages, %d expected)\n",
                     platform.messageCount, bench.endMessages);
        return 1;
    }

    const double repaint = reporter.time("repaint");
    std::printf("\n(Time: the measured part, in processor time of the process. CPU: the whole iteration,\n"
                "untimed preparation included. wall_us: the wall time of the measured part.)\n");
    std::printf("\nClicks (handler and the paints they cause) against one repaint of the window:\n");
    const struct
    {
        const char *name;
        const char *figure;
        double goal;
    } figures[] = {
            {"start-click", "Start click, from the board after a game", 2.0},
            {"start-click-in-game", "Start click, in the middle of a game", 2.0},
            {"letter-click-hit", "letter click, a hit (P in apple)", 2.0},
            {"letter-click-miss", "letter click, a miss (Z in apple)", 2.0},
            {"grab", "window.grab(), every widget", 0.0},
    };
    for (const auto &f : figures) {
        const double value = reporter.time(f.name);
        if (value > 0 && repaint > 0)
            Row(f.figure, Duration(value), Duration(repaint) + " repaint", value / repaint, f.goal);
    }
    const double shortClue = reporter.time("start-click-clue-100");
    const double longClue = reporter.time("start-click-clue-60000");
    std::printf("\nA Start click with a long clue against one with a short clue:\n");
    if (shortClue > 0 && longClue > 0)
        Row("Start click, a 60,000-character clue", Duration(longClue), Duration(shortClue) + " with 100 characters",
            longClue / shortClue, 2.0);
    return 0;
}
