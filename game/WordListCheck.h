#pragma once

#include "game/WordList.h"

#include <QList>
#include <QString>

// One problem of a word list.
struct Finding
{
    enum class Kind {
        Error,   // some Start refuses the list: an entry it can draw cannot be played
        Warning, // the game plays it, but it is almost surely a mistake
    };
    Kind kind = Kind::Error;
    int line = 0;  // 1-based line number; 0 for the file as a whole
    QString text;  // one sentence: what is wrong
    QString found; // the line as read; null where no line is concerned
};

struct WordListReport
{
    // False when the file could not be opened at all: nothing was read.
    bool readable = true;
    // In the order of their lines; a finding about the whole file comes first.
    QList<Finding> findings;
    // The entries the game can draw, all of which were checked.
    int entries = 0;

    int count(Finding::Kind vKind) const;
};

// Reads the whole word list at vPath once and reports every problem, with the
// game's own reading and entry rules: an error on line L exactly when drawing
// the entry of line L makes the game refuse it naming line L, and an error on
// line 1 when the count line makes some draw fail. When the count line cannot
// be read as a number, every entry line is checked as though it were right.
WordListReport CheckWordList(const WordList::Opener &vOpen, const QString &vPath);
