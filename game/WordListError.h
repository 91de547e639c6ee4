#pragma once

#include <QString>

#include <utility>

// A word list that cannot give an entry. This is bad input, not a failure of
// the program: Start reports it and the game goes on as it was. It carries
// the facts; the game and the checker each make their own text of them.
class WordListError
{
public:
    WordListError(QString vProblem, QString vHint, int vLine = 0, QString vFound = QString())
        : problem(std::move(vProblem)), hint(std::move(vHint)), line(vLine), found(std::move(vFound))
    { }

    QString problem; // one sentence: what is wrong
    QString hint; // one sentence: how to mend the problem
    int line; // 1-based line number, or 0 where no line is concerned
    QString found; // the offending line as read
};
