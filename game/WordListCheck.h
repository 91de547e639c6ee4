#pragma once

#include "game/WordList.h"

#include <QList>
#include <QString>

// One problem of a word list.
struct Finding
{
    enum class Kind {
        Error, // some Start refuses the list: an entry it can draw cannot be played
        Warning, // the game plays it, but it is almost surely a mistake
    };
    Kind kind = Kind::Error;
    int line = 0; // 1-based line number; 0 for the file as a whole
    QString text; // one sentence: what is wrong
    QString found; // the line as read; null where no line is concerned
    QString hint; // one sentence: how to mend it; may be empty for a warning
};

struct WordListReport
{
    // The findings kept, so that a file of millions of bad lines is checked
    // in bounded memory; the rest are counted only.
    static constexpr int MaxKept = 1000;

    // False when the file could not be opened or read: what it holds is unknown.
    bool readable = true;
    // In the order of their lines; a finding about the whole file comes first.
    // At most MaxKept of them and those about line 1.
    QList<Finding> findings;
    // The entries the game can draw, all of which were checked.
    int entries = 0;

    // All findings of a kind, kept or not.
    qint64 count(Finding::Kind vKind) const;
    // The findings not kept.
    qint64 omitted() const { return m_errors + m_warnings - findings.size(); }
    // Keeps vFinding while there is room, or always when vAlways; counts it.
    void add(Finding vFinding, bool vAlways = false);

private:
    qint64 m_errors = 0;
    qint64 m_warnings = 0;
};

// Reads the whole word list once and reports every problem, with the
// game's own reading and entry rules: an error on line L exactly when drawing
// the entry of line L makes the game refuse it naming line L, and an error on
// line 1 when the count line makes some draw fail. When the count line cannot
// be read as a number, every entry line is checked as though it were right.
// vInput is the list as opened, or nullptr when it could not be, for the
// reason vOpenError.
WordListReport CheckWordList(std::unique_ptr<TextInput> vInput, const QString &vOpenError = QString());
