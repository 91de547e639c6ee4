#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>
#include <optional>

// Every graded word list in data/lists keeps the rules the game and its learners
// rely on: the game reads it, its clues teach without giving the word away, and
// its words and clues suit the level. A failure prints one line per offending
// entry (list:line: entry -- reason), then fails with the count.
// SCAFFOLD_WORDLISTS_DIR points the test at another folder of lists.

namespace {

struct Level { const char *name; int minimum; bool twoWords; bool plainClues; bool forChildren; };
const Level kLevels[] = {
    {"beginner", 800, false, true, true},
    {"intermediate", 1200, true, false, true},
    {"advanced", 1000, true, false, false},
};

struct Entry { int line = 0; QString word, clue, pos; };
struct WordList {
    QString name;
    const Level *level = nullptr;
    QList<Entry> entries;
    QStringList broken; // what the file-wide format checks found
    QString where(const Entry &e) const { return QStringLiteral("%1:%2: %3=%4 -- ").arg(name).arg(e.line).arg(e.word, e.clue); }
};

QString folder()
{
    return qEnvironmentVariable("SCAFFOLD_WORDLISTS_DIR", QStringLiteral(SCAFFOLD_SOURCE_DIR "/data/lists"));
}

QStringList readLines(const QString &name)
{
    QFile file(folder() + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// Function words and the like: they say nothing of what a clue means.
const QSet<QString> &stopWords()
{
    static const QSet<QString> words = [] {
        QSet<QString> s;
        for (const QString &w : QStringLiteral(
                 "a about above after again against all also an and any are as at be because been before being below "
                 "between both but by can could did do does doing down during each either eg etc every few for from "
                 "further had has have having he her here hers him his how i if in into is it its itself just many may "
                 "me might more most much must my no nor not of off often on once one only onto or other our out over "
                 "own same shall she should so some such than that the their them then there these they this those "
                 "through to too under until up upon us usually very was we were what when where which while who whom "
                 "whose why will with would yet you your").split(u' '))
            s.insert(w);
        return s;
    }();
    return words;
}

// Irregular forms and the word they come from.
const QHash<QString, QString> &irregular()
{
    static const QHash<QString, QString> forms = [] {
        QHash<QString, QString> h;
        for (const QString &group : QStringLiteral(
                 "say said|make made|get got|know knew known|think thought|take took taken|see saw seen|come came|"
                 "give gave given|find found|tell told|become became|leave left|feel felt|bring brought|"
                 "begin began begun|keep kept|hold held|write wrote written|stand stood|hear heard|mean meant|meet met|"
                 "run ran|pay paid|sit sat|speak spoke spoken|lead led|grow grew grown|lose lost|fall fell fallen|"
                 "send sent|build built|draw drew drawn|break broke broken|spend spent|rise rose risen|drive drove driven|"
                 "buy bought|wear wore worn|choose chose chosen|seek sought|throw threw thrown|catch caught|deal dealt|"
                 "win won|forget forgot forgotten|sell sold|fight fought|teach taught|eat ate eaten|sing sang sung|"
                 "swim swam swum|fly flew flown flies|drink drank drunk|sleep slept|ride rode ridden|hide hid hidden|"
                 "shake shook shaken|steal stole stolen|wake woke woken|freeze froze frozen|bite bit bitten|"
                 "blow blew blown|dig dug|feed fed|hang hung|ring rang rung|shine shone|shoot shot|sink sank sunk|"
                 "stick stuck|strike struck|swing swung|tear tore torn|weep wept|lend lent|bend bent|bleed bled|"
                 "breed bred|flee fled|forgive forgave forgiven|light lit|creep crept|sweep swept|dream dreamt|"
                 "learn learnt|burn burnt|spell spelt|spill spilt|smell smelt|lay laid|lie lain lying|die dying|tie tying|"
                 "child children|man men|woman women|person people|foot feet|tooth teeth|goose geese|mouse mice|"
                 "knife knives|leaf leaves|life lives|wife wives|half halves|wolf wolves|shelf shelves|thief thieves|"
                 "loaf loaves|calf calves|good better best|bad worse worst|far farther further").split(u'|')) {
            const QStringList words = group.split(u' ');
            for (const QString &form : words.mid(1))
                h.insert(form, words.first());
        }
        return h;
    }();
    return forms;
}

// Suffixes and how a stem may change before them. E the stem may have lost
// an "e", D doubled its last consonant, Y turned a "y" into "i"; A the suffix
// follows an "e" of the stem, X it follows s, x, z, h, o or i.
const QList<std::pair<QString, QString>> &suffixes()
{
    static const QList<std::pair<QString, QString>> rules = {
        {"s", ""}, {"es", "XY"}, {"ed", "DY"}, {"d", "A"}, {"ing", "ED"}, {"er", "DY"}, {"r", "A"}, {"est", "DY"},
        {"st", "A"}, {"ly", "Y"}, {"ness", "Y"}, {"ment", ""}, {"ful", "Y"}, {"less", "Y"}, {"able", "ED"},
        {"ity", "E"}, {"ion", "E"}, {"ation", "E"}, {"al", "E"}, {"ous", "EY"}, {"ive", "E"}, {"ish", "D"},
        {"ist", "E"}, {"y", "ED"}, {"en", "D"}};
    return rules;
}

// The words a token may be a form of, the token included: "happiness" gives
// happi and happy, "stopped" stopp and stop, "ran" run. Crude on purpose: it
// errs towards seeing a relation.
QSet<QString> roots(const QString &w, int depth = 2)
{
    QSet<QString> out{w};
    if (irregular().contains(w))
        out.insert(irregular().value(w));
    if (depth == 0)
        return out;
    if (w.startsWith(QLatin1String("un")) && w.size() >= 6)
        out |= roots(w.mid(2), depth - 1);
    for (const auto &[suffix, flags] : suffixes()) {
        const QString stem = w.chopped(qMin(w.size(), suffix.size()));
        if (!w.endsWith(suffix) || stem.size() < 2)
            continue;
        if (suffix == u's' && stem.endsWith(u's'))
            continue;
        if (flags.contains(u'A') && (!stem.endsWith(u'e') || (stem.endsWith(QLatin1String("ee")) && stem.size() < 5)))
            continue;
        if (flags.contains(u'X') && !QStringLiteral("sxzhoi").contains(stem.back()))
            continue;
        QStringList candidates{stem};
        if (flags.contains(u'E'))
            candidates << stem + u'e';
        if (flags.contains(u'D') && stem.size() >= 3 && stem.back() == stem.at(stem.size() - 2) && stem.back() != u's')
            candidates << stem.chopped(1);
        if (flags.contains(u'Y') && stem.endsWith(u'i'))
            candidates << stem.chopped(1) + u'y';
        for (const QString &c : std::as_const(candidates))
            out |= roots(c, depth - 1);
    }
    return out;
}

// Whether two words share a root: one is a form of the other, or both of a third.
bool related(const QString &a, const QString &b)
{
    const QSet<QString> ra = roots(a);
    for (const QString &r : roots(b))
        if (ra.contains(r) && (r.size() >= 3 || r == a || r == b))
            return true;
    return false;
}

// Whether words of these parts of speech can stand for each other.
bool fitSamePlace(const QString &a, const QString &b)
{
    static const QSet<QString> any{QString(), "phrase", "other"};
    return a == b || any.contains(a) || any.contains(b);
}

// One spelling for all the forms of a word, to compare clues by: its shortest
// root that is a known word, else its shortest root, without a final "e".
QString stem(const QString &token, const QSet<QString> &vocabulary)
{
    QString best = token, known;
    for (const QString &r : roots(token)) {
        if (r.size() >= 3 && (r.size() < best.size() || (r.size() == best.size() && r < best)))
            best = r;
        if (vocabulary.contains(r) && (r.size() >= 3 || r == token) && (known.isEmpty() || r.size() < known.size()))
            known = r;
    }
    if (!known.isEmpty())
        return known;
    if (best.size() > 3 && best.endsWith(u'e'))
        best.chop(1);
    if (best.endsWith(u'y'))
        best.back() = u'i';
    return best;
}

// The words of a text, lower case, "someone's" as "someone".
QStringList tokens(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[a-z]+(?:'[a-z]+)?"));
    QStringList out;
    for (const auto &m : word.globalMatch(text.toLower())) {
        QString t = m.captured();
        if (t.endsWith(QLatin1String("'s")))
            t.chop(2);
        out << t;
    }
    return out;
}

// What hunspell's British dictionary rejects of the lines; nothing when
// hunspell or its en_GB dictionary is missing.
std::optional<QSet<QString>> rejectedByHunspell(const QStringList &lines)
{
    QProcess hunspell;
    hunspell.start(QStringLiteral("hunspell"), {QStringLiteral("-d"), QStringLiteral("en_GB"), QStringLiteral("-l")});
    if (!hunspell.waitForStarted())
        return std::nullopt;
    hunspell.write(lines.join(u'\n').toUtf8() + '\n');
    hunspell.closeWriteChannel();
    if (!hunspell.waitForFinished(300000) || hunspell.exitStatus() != QProcess::NormalExit || hunspell.exitCode() != 0)
        return std::nullopt;
    const QStringList out = QString::fromUtf8(hunspell.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return QSet<QString>(out.begin(), out.end());
}

} // namespace

class tst_WordLists : public QObject
{
    Q_OBJECT

    QMap<QString, WordList> m_lists;
    QSet<QString> m_plain;      // everyday words a beginner knows
    QSet<QString> m_reviewed;   // "word1 word2" of clue pairs a person judged distinct
    QSet<QString> m_vocabulary; // plain words and headwords
    QSet<QString> m_knownWords; // and what hunspell accepts

    const WordList &list()
    {
        QFETCH(QString, name);
        return m_lists[name];
    }

    void eachList_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : m_lists.keys())
            QTest::newRow(qPrintable(name)) << name;
    }

    static void verifyNone(const QStringList &problems)
    {
        for (const QString &p : problems)
            qWarning().noquote() << p;
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 problem(s), each listed above").arg(problems.size())));
    }

    // Pieces of a word that a clue must not hold: the word, each word of a
    // two-word entry, and the words a compound is made of ("sun", "rise"),
    // though not a suffix ("able" of "capable").
    QStringList pieces(const QString &word) const
    {
        QStringList out;
        for (const QString &w : word.split(u' ')) {
            if (w == word || !stopWords().contains(w))
                out << w;
            for (int i = 3; i + 3 <= w.size(); ++i)
                for (const QString &p : {w.left(i), w.mid(i)})
                    if (m_knownWords.contains(p) && !stopWords().contains(p)
                        && !(p == w.mid(i) && std::any_of(suffixes().begin(), suffixes().end(), [&](const auto &s) { return s.first == p; })))
                        out << p;
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        const QStringList names = QDir(folder()).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
        for (const QString &name : names) {
            if (name == QLatin1String("plain-words.txt") || name == QLatin1String("reviewed-pairs.txt"))
                continue;
            WordList &l = m_lists[name];
            l.name = name;
            for (const Level &level : kLevels)
                if (name == QLatin1String(level.name) + QLatin1String(".txt"))
                    l.level = &level;
            QFile file(folder() + u'/' + name);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const QByteArray bytes = file.readAll();
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString text = utf8(bytes);
            if (utf8.hasError())
                l.broken << name + QStringLiteral(": not valid UTF-8");
            if (bytes.contains('\r'))
                l.broken << name + QStringLiteral(": a line ends in CR");
            if (!bytes.endsWith('\n'))
                l.broken << name + QStringLiteral(": the last line has no line feed");
            const QStringList lines = QString(text).remove(u'\r').split(u'\n');
            for (int i = 1; i < lines.size(); ++i) {
                if (lines.at(i).isEmpty() && i == lines.size() - 1)
                    break;
                const int eq = lines.at(i).indexOf(u'=');
                if (eq < 0)
                    l.broken << QStringLiteral("%1:%2: %3 -- no \"=\"").arg(name).arg(i + 1).arg(lines.at(i));
                else
                    l.entries.append({i + 1, lines.at(i).left(eq), lines.at(i).mid(eq + 1), QString()});
            }
            const QStringList pos = readLines(name.chopped(4) + QStringLiteral(".pos"));
            for (int i = 0; i < qMin(pos.size(), l.entries.size()); ++i)
                if (pos.at(i).startsWith(l.entries.at(i).word + u'\t'))
                    l.entries[i].pos = pos.at(i).section(u'\t', 1);
            if (lines.first() != QString::number(l.entries.size()))
                l.broken << QStringLiteral("%1:1: count line \"%2\" but %3 entries").arg(name, lines.first()).arg(l.entries.size());
        }
        QVERIFY2(!m_lists.isEmpty(), qPrintable("no word lists in " + folder()));
        for (const QString &w : readLines(QStringLiteral("plain-words.txt")))
            m_plain.insert(w.trimmed());
        QVERIFY2(m_plain.size() > 1000, "plain-words.txt holds the everyday words a beginner knows");
        for (const QString &line : readLines(QStringLiteral("reviewed-pairs.txt")))
            if (!line.startsWith(u'#'))
                m_reviewed.insert(line.simplified());

        m_vocabulary = m_plain;
        QSet<QString> candidates;
        for (const WordList &l : std::as_const(m_lists))
            for (const Entry &e : l.entries)
                for (const QString &w : e.word.split(u' ')) {
                    m_vocabulary.insert(w);
                    for (int i = 3; i + 3 <= w.size(); ++i)
                        candidates << w.left(i) << w.mid(i);
                }
        // Without hunspell, compounds are split into headwords and plain words only.
        m_knownWords = m_vocabulary;
        if (const auto rejected = rejectedByHunspell(candidates.values()))
            m_knownWords |= candidates - *rejected;
    }

    void entriesAreWellFormed_data() { eachList_data(); }
    void entriesAreWellFormed()
    {
        const WordList &l = list();
        QStringList problems = l.broken;
        if (!l.level)
            problems << l.name + QStringLiteral(": not one of the levels beginner, intermediate, advanced");
        else if (l.entries.size() < l.level->minimum)
            problems << QStringLiteral("%1: %2 entries, fewer than %3").arg(l.name).arg(l.entries.size()).arg(l.level->minimum);
        static const QRegularExpression oneWord(QStringLiteral("^[a-z]+$")), twoWords(QStringLiteral("^[a-z]+ [a-z]+$"));
        for (int i = 0; i < l.entries.size(); ++i) {
            const Entry &e = l.entries.at(i);
            const QString where = l.where(e);
            const bool blankAllowed = l.level && l.level->twoWords;
            if (e.word.size() > 13 || !(oneWord.match(e.word).hasMatch() || (blankAllowed && twoWords.match(e.word).hasMatch())))
                problems << where + (blankAllowed ? "not 1-13 letters a-z with at most one blank" : "not 1-13 letters a-z");
            if (i > 0 && l.entries.at(i - 1).word > e.word)
                problems << where + "out of order: after " + l.entries.at(i - 1).word;
            if (e.clue.size() < 12 || e.clue.size() > 100)
                problems << where + QStringLiteral("clue of %1 characters, not 12-100").arg(e.clue.size());
            if (e.clue.contains(u'=') || e.clue != e.clue.trimmed() || e.clue.isEmpty() || !e.clue.at(0).isLower())
                problems << where + "clue must start lower case, with no \"=\" and no blank at either end";
            if (std::any_of(e.clue.begin(), e.clue.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() > 0x7E; }))
                problems << where + "clue is not plain ASCII";
        }
        verifyNone(problems);
    }

    void noWordIsInTwoPlaces_data() { eachList_data(); }
    void noWordIsInTwoPlaces()
    {
        const WordList &l = list();
        QStringList problems;
        QHash<QString, int> seen;
        for (const Entry &e : l.entries) {
            if (seen.contains(e.word))
                problems << l.where(e) + QStringLiteral("also on line %1").arg(seen.value(e.word));
            seen.insert(e.word, e.line);
            for (const WordList &other : std::as_const(m_lists))
                if (other.name != l.name)
                    for (const Entry &o : other.entries)
                        if (o.word == e.word)
                            problems << l.where(e) + QStringLiteral("also in %1 line %2").arg(other.name).arg(o.line);
        }
        verifyNone(problems);
    }

    void theListsHoldThreeThousandWords()
    {
        QSet<QString> words;
        for (const WordList &l : std::as_const(m_lists))
            for (const Entry &e : l.entries)
                words.insert(e.word);
        QVERIFY2(words.size() >= 3000, qPrintable(QStringLiteral("%1 distinct words in all").arg(words.size())));
    }

    void partsOfSpeechAreRecordedAndBalanced_data() { eachList_data(); }
    void partsOfSpeechAreRecordedAndBalanced()
    {
        const WordList &l = list();
        const QString posName = l.name.chopped(4) + QStringLiteral(".pos");
        const QStringList lines = readLines(posName);
        QStringList problems;
        if (lines.size() != l.entries.size())
            problems << QStringLiteral("%1: %2 lines for %3 entries").arg(posName).arg(lines.size()).arg(l.entries.size());
        static const QStringList kinds{"noun", "verb", "adjective", "adverb", "phrase", "other"};
        QHash<QString, int> count;
        int twoWords = 0;
        for (int i = 0; i < qMin(lines.size(), l.entries.size()); ++i) {
            const Entry &e = l.entries.at(i);
            const QStringList fields = lines.at(i).split(u'\t');
            if (fields.size() != 2 || fields.first() != e.word || !kinds.contains(fields.last()))
                problems << l.where(e) + QStringLiteral("%1 line %2 reads \"%3\"").arg(posName).arg(i + 1).arg(lines.at(i));
            count[fields.last()] += 1;
            twoWords += e.word.contains(u' ');
        }
        const int n = l.entries.size();
        const auto share = [&](const char *kind, bool ok, const char *rule) {
            if (!ok)
                problems << QStringLiteral("%1: %2 %3s of %4 entries; %5").arg(l.name).arg(count[kind]).arg(kind).arg(n).arg(rule);
        };
        share("noun", count["noun"] * 2 <= n, "at most half");
        share("verb", count["verb"] * 5 >= n, "at least a fifth");
        share("adjective", count["adjective"] * 5 >= n, "at least a fifth");
        share("adverb", count["adverb"] * 20 >= n, "at least 5%");
        if (l.level && l.level->twoWords && twoWords < 30)
            problems << QStringLiteral("%1: %2 two-word entries, fewer than 30").arg(l.name).arg(twoWords);
        verifyNone(problems);
    }

    void noClueGivesItsWordAway_data() { eachList_data(); }
    void noClueGivesItsWordAway()
    {
        const WordList &l = list();
        QStringList problems;
        for (const Entry &e : l.entries) {
            const QStringList parts = pieces(e.word);
            for (const QString &t : tokens(e.clue))
                for (const QString &p : parts)
                    if (t == p || (!stopWords().contains(t) && related(t, p))) {
                        problems << l.where(e) + (e.word.split(u' ').contains(p) ? QStringLiteral("\"%1\" is a form of the word").arg(t)
                                                    : QStringLiteral("\"%1\" gives away \"%2\", part of the word").arg(t, p));
                        break;
                    }
        }
        verifyNone(problems);
    }

    // Clues that share most of their content words fit each other's word
    // ("to confuse someone completely", "to puzzle someone completely"): at
    // least two, half of the two clues' content words together, and half of
    // each clue's content words beyond defining words like "someone". Clues of two parts of
    // speech, or one saying the opposite of the other ("not", "before" and
    // "after"), do not fit each other's word.
    void eachClueFitsOnlyItsWord_data() { eachList_data(); }
    void eachClueFitsOnlyItsWord()
    {
        QSet<QString> defining;
        for (const QString &w : QStringLiteral("someone something somebody anyone anything person people thing like make "
                                               "use way time place part kind type sort piece say go get take give have "
                                               "feel relate particular especially").split(u' '))
            defining.insert(stem(w, m_vocabulary));
        static const QList<QStringList> opposites = {
            {"not", "no", "never", "without"}, {"before", "after"}, {"up", "down"}, {"more", "less"}, {"in", "out"},
            {"towards", "away"}, {"good", "bad"}, {"big", "small"}, {"high", "low"}, {"hot", "cold"}, {"man", "woman"},
            {"boy", "girl"}, {"he", "she"}, {"his", "her"}, {"first", "last"}, {"start", "end"}, {"top", "bottom"}};
        const WordList &l = list();
        QList<QSet<QString>> content, words;
        QHash<QString, QList<int>> cluesWith;
        for (int i = 0; i < l.entries.size(); ++i) {
            const QStringList clueWords = tokens(l.entries.at(i).clue);
            QSet<QString> stems;
            for (const QString &t : clueWords)
                if (!stopWords().contains(t))
                    stems.insert(stem(t, m_vocabulary));
            for (const QString &s : std::as_const(stems))
                if (!defining.contains(s))
                    cluesWith[s].append(i);
            content.append(stems);
            words.append(QSet<QString>(clueWords.begin(), clueWords.end()));
        }
        const auto opposed = [&](int a, int b) {
            for (const QStringList &group : opposites) {
                const auto in = [&](int i) { return std::any_of(group.begin(), group.end(), [&](const QString &w) { return words.at(i).contains(w); }); };
                if (group.size() > 2 ? in(a) != in(b) : (words.at(a).contains(group.first()) && words.at(b).contains(group.last())) || (words.at(a).contains(group.last()) && words.at(b).contains(group.first())))
                    return true;
            }
            return false;
        };
        QSet<std::pair<int, int>> candidates;
        for (const QList<int> &entries : std::as_const(cluesWith))
            for (int a = 0; a < entries.size(); ++a)
                for (int b = a + 1; b < entries.size(); ++b)
                    candidates.insert({entries.at(a), entries.at(b)});
        QStringList problems;
        for (const auto &[a, b] : std::as_const(candidates)) {
            const Entry &x = l.entries.at(a), &y = l.entries.at(b);
            const int shared = (content.at(a) & content.at(b)).size(), together = (content.at(a) | content.at(b)).size();
            const QSet<QString> ownA = content.at(a) - defining, ownB = content.at(b) - defining;
            const int sharedOwn = (ownA & ownB).size();
            if (shared < 2 || shared * 2 < together || sharedOwn * 2 < qMax(ownA.size(), ownB.size())
                || !fitSamePlace(x.pos, y.pos) || opposed(a, b))
                continue;
            if (!m_reviewed.contains(x.word + u' ' + y.word) && !m_reviewed.contains(y.word + u' ' + x.word))
                problems << l.where(x) + QStringLiteral("shares %1 of %2 content words with line %3: %4=%5")
                                             .arg(shared).arg(together).arg(y.line).arg(y.word, y.clue);
        }
        problems.sort();
        verifyNone(problems);
    }

    void beginnerCluesUsePlainWords_data() { eachList_data(); }
    void beginnerCluesUsePlainWords()
    {
        const WordList &l = list();
        if (!l.level || !l.level->plainClues)
            QSKIP("clues for learners past the beginner level may use any word");
        QSet<QString> known = m_plain;
        for (const Entry &e : l.entries)
            known.insert(e.word);
        const auto plain = [&](const QString &t) { return roots(t).intersects(known); };
        // Names ("London"), letters ("the letter b") and compounds of plain
        // words ("sunshine") are plain too.
        static const QRegularExpression name(QStringLiteral("\\b[A-Z][a-z]*"));
        QStringList problems;
        for (const Entry &e : l.entries)
            for (const QString &t : tokens(QString(e.clue).remove(name))) {
                bool compound = false;
                for (int i = 3; i + 3 <= t.size() && !compound; ++i)
                    compound = plain(t.left(i)) && plain(t.mid(i));
                if (t.size() > 1 && !compound && !plain(t))
                    problems << l.where(e) + QStringLiteral("\"%1\" is neither a plain word nor a beginner headword").arg(t);
            }
        verifyNone(problems);
    }

    void spellingIsBritish_data() { eachList_data(); }
    void spellingIsBritish()
    {
        const WordList &l = list();
        // -ize forms are British too (Oxford spelling), so each is tried with
        // -ise as well: a spelling hunspell accepts that way must be used.
        static const QRegularExpression ize(QStringLiteral("^([a-z]{3,}[iy])z(e|es|ed|ing|ation|ations|er|ers)$"));
        QStringList lines;
        QHash<QString, QString> iseOf;
        for (const Entry &e : l.entries) {
            lines << e.word << e.clue;
            for (const QString &t : tokens(e.word + u' ' + e.clue))
                if (const auto m = ize.match(t); m.hasMatch())
                    iseOf.insert(t, m.captured(1) + u's' + m.captured(2));
        }
        const auto rejected = rejectedByHunspell(lines + iseOf.values());
        if (!rejected)
            QSKIP("hunspell with its en_GB dictionary is not installed (scripts/deps.sh installs hunspell and hunspell-en-gb)");
        static const QRegularExpression word(QStringLiteral("[A-Za-z][A-Za-z']*"));
        QStringList problems;
        QSet<QString> unplaced = *rejected - QSet<QString>(iseOf.cbegin(), iseOf.cend());
        for (const Entry &e : l.entries)
            for (const auto &m : word.globalMatch(e.word + u' ' + e.clue)) {
                const QString t = m.captured();
                if (rejected->contains(t)) {
                    problems << l.where(e) + QStringLiteral("hunspell -d en_GB rejects \"%1\"").arg(t);
                    unplaced.remove(t);
                }
                else if (iseOf.contains(t.toLower()) && !rejected->contains(iseOf.value(t.toLower())))
                    problems << l.where(e) + QStringLiteral("\"%1\" is spelt \"%2\" here").arg(t, iseOf.value(t.toLower()));
            }
        for (const QString &t : std::as_const(unplaced))
            problems << l.name + QStringLiteral(": hunspell -d en_GB rejects \"%1\"").arg(t);
        verifyNone(problems);
    }

    void nothingUnsuitableForChildren_data() { eachList_data(); }
    void nothingUnsuitableForChildren()
    {
        const WordList &l = list();
        if (l.level && !l.level->forChildren)
            QSKIP("a list for grown-up learners");
        static const QSet<QString> blocked{
            "sex", "sexual", "sexy", "naked", "nude", "porn", "erotic", "drug", "cocaine", "heroin", "cannabis", "marijuana",
            "drunk", "drunken", "alcoholic", "hangover", "booze", "tipsy", "suicide", "murder", "rape", "torture",
            "slaughter", "massacre", "genocide", "behead", "stab", "strangle", "corpse", "gore", "damn", "hell", "bloody",
            "crap", "piss", "arse", "bastard", "bitch", "shit", "fuck", "prostitute", "brothel"};
        QStringList problems;
        for (const Entry &e : l.entries)
            for (const QString &t : tokens(e.word + u' ' + e.clue))
                if (roots(t).intersects(blocked))
                    problems << l.where(e) + QStringLiteral("\"%1\" does not belong in a list for children").arg(t);
        verifyNone(problems);
    }
};

QTEST_GUILESS_MAIN(tst_WordLists)
#include "tst_wordlists.moc"
