#pragma once

// What the benchmarks share: a generated word list and the rows of the final
// table. The platform and board they run on are the tests' fakes.

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>

// The generated word list: entry i (from 1) has a word of 3 to 13 small
// letters and a meaning of some 40 to 70 characters, the same every run.
inline unsigned Mix(unsigned vValue)
{
    vValue ^= vValue >> 16;
    vValue *= 0x7feb352dU;
    vValue ^= vValue >> 15;
    vValue *= 0x846ca68bU;
    vValue ^= vValue >> 16;
    return vValue;
}

inline std::string EntryWord(int vEntry)
{
    unsigned state = Mix(unsigned(vEntry) * 2654435761U + 1);
    std::string word(3 + state % 11, 'a');
    for (char &ch : word) {
        state = Mix(state + 0x9e3779b9U);
        ch = char('a' + state % ('z' - 'a' + 1));
    }
    return word;
}

inline std::string EntryLine(int vEntry)
{
    static const char *const Words[] = {"a",  "small", "thing", "that", "people", "use", "when", "they",  "want",
                                        "to", "keep",  "warm",  "or",   "dry",    "in",  "the",  "house", "garden"};
    std::string meaning = "entry " + std::to_string(vEntry);
    unsigned state = Mix(unsigned(vEntry) + 77);
    while (meaning.size() < 40 + state % 30) {
        state = Mix(state + 1);
        meaning += ' ';
        meaning += Words[state % (sizeof Words / sizeof *Words)];
    }
    return EntryWord(vEntry) + "=" + meaning;
}

// Writes a list of vCount entries to vPath, a line at a time.
inline bool WriteWordList(const QString &vPath, int vCount)
{
    std::FILE *file = std::fopen(vPath.toLocal8Bit().constData(), "wb");
    if (!file)
        return false;
    std::fprintf(file, "%d\n", vCount);
    for (int entry = 1; entry <= vCount; ++entry)
        std::fprintf(file, "%s\n", EntryLine(entry).c_str());
    return std::fclose(file) == 0;
}

// One row of the final table. Every program prints its rows as it goes and,
// when SCAFFOLD_BENCH_TABLE names a file, appends them there as tab-separated
// fields: figure, value, floor, ratio, goal, verdict. A vGoal of 0 marks a
// figure shown for information only.
inline void Row(const std::string &vFigure, const std::string &vValue, const std::string &vFloor, double vRatio,
                double vGoal)
{
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%.2fx", vRatio);
    char goal[32] = "-";
    std::string verdict = "-";
    if (vGoal > 0) {
        std::snprintf(goal, sizeof goal, "<= %.2fx", vGoal);
        // Ratios are compared as printed, so that 1.50x meets a goal of 1.50x.
        verdict = std::strtod(ratio, nullptr) <= vGoal + 1e-9 ? "met" : "NOT MET";
    }
    std::printf("  %s: %s against %s, %s (goal %s) %s\n", vFigure.c_str(), vValue.c_str(), vFloor.c_str(), ratio, goal,
                verdict.c_str());
    std::fflush(stdout);
    if (const char *table = std::getenv("SCAFFOLD_BENCH_TABLE")) {
        if (std::FILE *file = std::fopen(table, "a")) {
            std::fprintf(file, "%s\t%s\t%s\t%s\t%s\t%s\n", vFigure.c_str(), vValue.c_str(), vFloor.c_str(), ratio, goal,
                         verdict.c_str());
            std::fclose(file);
        }
    }
}

inline std::string Duration(double vSeconds)
{
    char text[32];
    if (vSeconds >= 1e-3)
        std::snprintf(text, sizeof text, "%.3g ms", vSeconds * 1e3);
    else
        std::snprintf(text, sizeof text, "%.3g us", vSeconds * 1e6);
    return text;
}

inline std::string Kilobytes(double vKilobytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", vKilobytes / 1024.0);
    return text;
}
