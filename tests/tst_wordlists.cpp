#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>
#include <optional>

// Every graded word list in data/lists keeps the rules the game and its
// learners rely on: the game reads it, its clues teach without giving the word
// away, and its words and clues suit the level. A failing check prints one line
// per offending entry (list:line: entry -- reason), then fails with the count.
// SCAFFOLD_WORDLISTS_DIR points the test at another folder of lists.

namespace {

// twoWords: entries of two words are allowed, and at least twoWordMinimum of
// them are there; a beginner meets a few (ice cream) but needs no share of them.
struct Level { QString name; int minimum; bool twoWords, plainClues, forChildren; int twoWordMinimum; };
const QList<Level> kLevels = {{"beginner", 800, true, true, true, 0},
                              {"intermediate", 1200, true, false, true, 30},
                              {"advanced", 1000, true, false, false, 30}};

struct Entry { int line; QString word, clue, pos; };
struct WordList {
    QString name;
    const Level *level = nullptr;
    QList<Entry> entries;
    QStringList broken; // what reading the file found wrong
    QString where(const Entry &e) const { return QStringLiteral("%1:%2: %3=%4 -- ").arg(name).arg(e.line).arg(e.word, e.clue); }
};

QString folder() { return qEnvironmentVariable("SCAFFOLD_WORDLISTS_DIR", QStringLiteral(SCAFFOLD_SOURCE_DIR "/data/lists")); }

QStringList readLines(const QString &name)
{
    QFile file(folder() + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts) : QStringList();
}

QSet<QString> wordSet(const QString &words)
{
    const QStringList list = words.split(u' ', Qt::SkipEmptyParts);
    return QSet<QString>(list.begin(), list.end());
}

// Function words: they say nothing of what a clue means.
const QSet<QString> kStopWords = wordSet(QStringLiteral(
    "a about above after again against all also an and any are as at be because been before being below between both "
    "but by can could did do does doing down during each either eg etc every few for from further had has have having "
    "he her here hers him his how i if in into is it its itself just many may me might more most much must my no nor "
    "not of off often on once one only onto or other our out over own same shall she should so some such than that "
    "the their them then there these they this those through to too under until up upon us usually very was we were "
    "what when where which while who whom whose why will with would yet you your"));

// Irregular forms, and words made irregularly, with the word they come from.
const QHash<QString, QString> kIrregular = [] {
    QHash<QString, QString> h;
    for (const QString &group : QStringLiteral(
             "say said|make made|get got|know knew known|think thought|take took taken|see saw seen|come came|give gave "
             "given|find found|tell told|become became|leave left|feel felt|bring brought|begin began begun|keep kept|"
             "hold held|write wrote written|stand stood|hear heard|mean meant|meet met|run ran|pay paid|sit sat|speak "
             "spoke spoken|lead led|grow grew grown|lose lost|fall fell fallen|send sent|build built|draw drew drawn|"
             "break broke broken|spend spent|rise rose risen|drive drove driven|buy bought|wear wore worn|choose chose "
             "chosen|seek sought|throw threw thrown|catch caught|deal dealt|win won|forget forgot forgotten|sell sold|"
             "fight fought|teach taught|eat ate eaten|sing sang sung|swim swam swum|fly flew flown flies|drink drank "
             "drunk|sleep slept|ride rode ridden|hide hid hidden|shake shook shaken|steal stole stolen|wake woke woken|"
             "freeze froze frozen|bite bit bitten|blow blew blown|dig dug|feed fed|hang hung|ring rang rung|shine shone|"
             "shoot shot|sink sank sunk|stick stuck|strike struck|swing swung|tear tore torn|weep wept|lend lent|bend "
             "bent|bleed bled|breed bred|flee fled|forgive forgave forgiven|light lit|creep crept|sweep swept|dream "
             "dreamt|learn learnt|burn burnt|spell spelt|spill spilt|smell smelt|lay laid|lie lain lying|die dying|tie "
             "tying|child children|man men|woman women|person people|foot feet|tooth teeth|goose geese|mouse mice|knife "
             "knives|leaf leaves|life lives|wife wives|half halves|wolf wolves|shelf shelves|thief thieves|loaf loaves|"
             "calf calves|good better best|bad worse worst|far farther further|young youth|long length|strong strength|wide "
             "width|deep depth|high height|true truth|die death dead|proud pride|sell sale|fly flight|weigh weight|"
             "choose choice|lose loss|speak speech").split(u'|')) {
        const QStringList words = group.split(u' ');
        for (const QString &form : words.mid(1))
            h.insert(form, words.first());
    }
    return h;
}();

// Suffixes and how a stem may change before them: E it lost an "e", D it
// doubled its last consonant, Y it turned "y" into "i"; A the suffix follows
// an "e" of the stem, X it follows s, x, z, h, o or i.
const QList<std::pair<QString, QString>> kSuffixes = {
    {"s", ""}, {"es", "XY"}, {"ed", "DY"}, {"d", "A"}, {"ing", "ED"}, {"er", "DY"}, {"r", "A"}, {"est", "DY"},
    {"st", "A"}, {"ly", "Y"}, {"ness", "Y"}, {"ment", ""}, {"ful", "Y"}, {"less", "Y"}, {"able", "ED"}, {"ity", "E"},
    {"ion", "E"}, {"ation", "E"}, {"al", "E"}, {"ous", "EY"}, {"ive", "E"}, {"ish", "D"}, {"ist", "E"}, {"y", "ED"},
    {"en", "D"}};

// The words a token may be a form of, the token included: "happiness" gives
// happi and happy, "stopped" stopp and stop, "ran" run. Crude on purpose: it
// errs towards seeing a relation.
QSet<QString> roots(const QString &w, int depth = 2)
{
    QSet<QString> out{w};
    if (kIrregular.contains(w))
        out.insert(kIrregular.value(w));
    if (depth > 0 && w.startsWith(QLatin1String("un")) && w.size() >= 6)
        out |= roots(w.mid(2), depth - 1);
    if (depth > 0 && w.startsWith(u'a') && w.size() >= 6) // asleep, afloat
        out |= roots(w.mid(1), depth - 1);
    for (const auto &[suffix, flags] : kSuffixes) {
        const QString stem = w.chopped(qMin(w.size(), suffix.size()));
        if (depth == 0 || !w.endsWith(suffix) || stem.size() < 2 || (suffix == u's' && stem.endsWith(u's'))
            || (flags.contains(u'A') && (!stem.endsWith(u'e') || (stem.endsWith(QLatin1String("ee")) && stem.size() < 5)))
            || (flags.contains(u'X') && !QStringLiteral("sxzhoi").contains(stem.back())))
            continue;
        out |= roots(stem, depth - 1);
        if (flags.contains(u'E'))
            out |= roots(stem + u'e', depth - 1);
        if (flags.contains(u'D') && stem.size() >= 3 && stem.back() == stem.at(stem.size() - 2) && stem.back() != u's')
            out |= roots(stem.chopped(1), depth - 1);
        if (flags.contains(u'Y') && stem.endsWith(u'i'))
            out |= roots(stem.chopped(1) + u'y', depth - 1);
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

// One spelling for all forms of a word, to compare clues by: its shortest root
// that is a known word, else its shortest root without a final "e".
QString stem(const QString &token, const QSet<QString> &vocabulary)
{
    QString best = token, known;
    for (const QString &r : roots(token)) {
        if (r.size() >= 3 && (r.size() < best.size() || (r.size() == best.size() && r < best)))
            best = r;
        if (vocabulary.contains(r) && (r.size() >= 3 || r == token) && (known.isEmpty() || r.size() < known.size()))
            known = r;
    }
    if (known.isEmpty() && best.size() > 3 && best.endsWith(u'e'))
        best.chop(1);
    return known.isEmpty() ? best : known;
}

// The words of a text, lower case, "someone's" as "someone".
QStringList tokens(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[a-z]+(?:'[a-z]+)?"));
    QStringList out;
    for (const auto &m : word.globalMatch(text.toLower()))
        out << (m.captured().endsWith(QLatin1String("'s")) ? m.captured().chopped(2) : m.captured());
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
    return wordSet(QString::fromUtf8(hunspell.readAllStandardOutput()).replace(u'\n', u' '));
}

} // namespace

class tst_WordLists : public QObject
{
    Q_OBJECT

    QMap<QString, WordList> m_lists;
    QSet<QString> m_plain;      // everyday words a beginner knows
    QSet<QString> m_reviewed;   // "word1 word2" of look-alike clue pairs a person judged distinct
    QSet<QString> m_vocabulary; // plain words and headwords: what compounds are made of

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

    static void verifyNone(QStringList problems)
    {
        problems.removeDuplicates();
        for (const QString &p : problems)
            qWarning().noquote() << p;
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 problem(s), each listed above").arg(problems.size())));
    }

    // What a clue must not hold: the word, each word of a two-word entry, and
    // the words a compound is made of ("sun", "rise"), though not a suffix
    // ("able" of "capable").
    QStringList pieces(const QString &word) const
    {
        QStringList out;
        for (const QString &w : word.split(u' ')) {
            if (w == word || !kStopWords.contains(w))
                out << w;
            for (int i = 3; i + 3 <= w.size(); ++i)
                for (const QString &p : {w.left(i), w.mid(i)})
                    if (m_vocabulary.contains(p) && !kStopWords.contains(p)
                        && !(p == w.mid(i) && std::any_of(kSuffixes.begin(), kSuffixes.end(), [&](const auto &s) { return s.first == p; })))
                        out << p;
        }
        return out;
    }

    // Whether a compound token of two plain words or headwords holds a form
    // of the piece: "sunshine" of "sunny", "yourself" of "self" in "selfish".
    bool holdsInHalf(const QString &token, const QString &piece, bool wholeWord) const
    {
        for (int i = 3; i + 3 <= token.size() && (wholeWord || piece.size() >= 4); ++i)
            if (m_vocabulary.contains(token.left(i)) && m_vocabulary.contains(token.mid(i))
                && (related(token.left(i), piece) || related(token.mid(i), piece)))
                return true;
        return false;
    }

private slots:
    void initTestCase()
    {
        for (const QString &name : QDir(folder()).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
            if (name == QLatin1String("plain-words.txt") || name == QLatin1String("reviewed-pairs.txt"))
                continue;
            WordList &l = m_lists[name];
            l.name = name;
            for (const Level &level : kLevels)
                l.level = name == level.name + QLatin1String(".txt") ? &level : l.level;
            QFile file(folder() + u'/' + name);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const QByteArray bytes = file.readAll();
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QStringList lines = QString(utf8(bytes)).remove(u'\r').split(u'\n');
            if (utf8.hasError() || bytes.contains('\r') || !bytes.endsWith('\n'))
                l.broken << name + QStringLiteral(": not UTF-8 with lines that end in \"\\n\" alone, the last one too");
            for (int i = 1; i < lines.size() - (lines.last().isEmpty() ? 1 : 0); ++i) {
                const int eq = lines.at(i).indexOf(u'=');
                if (eq < 0)
                    l.broken << QStringLiteral("%1:%2: %3 -- no \"=\"").arg(name).arg(i + 1).arg(lines.at(i));
                else
                    l.entries.append({i + 1, lines.at(i).left(eq), lines.at(i).mid(eq + 1), QString()});
            }
            if (lines.first() != QString::number(l.entries.size()))
                l.broken << QStringLiteral("%1:1: count line \"%2\" but %3 entries").arg(name, lines.first()).arg(l.entries.size());
            const QStringList pos = readLines(name.chopped(4) + QStringLiteral(".pos"));
            for (int i = 0; i < qMin(pos.size(), l.entries.size()); ++i)
                if (pos.at(i).startsWith(l.entries.at(i).word + u'\t'))
                    l.entries[i].pos = pos.at(i).section(u'\t', 1);
        }
        QVERIFY2(!m_lists.isEmpty(), qPrintable("no word lists in " + folder()));
        const QStringList plain = readLines(QStringLiteral("plain-words.txt"));
        m_plain = QSet<QString>(plain.begin(), plain.end());
        QVERIFY2(m_plain.size() > 1000, "plain-words.txt holds the everyday words a beginner knows");
        for (const QString &line : readLines(QStringLiteral("reviewed-pairs.txt")))
            if (!line.startsWith(u'#'))
                m_reviewed.insert(line.simplified());

        m_vocabulary = m_plain;
        for (const WordList &l : std::as_const(m_lists))
            for (const Entry &e : l.entries)
                m_vocabulary |= wordSet(e.word);
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
        const QRegularExpression word(l.level && l.level->twoWords ? QStringLiteral("^(?=.{1,13}$)[a-z]+( [a-z]+)?$")
                                                                   : QStringLiteral("^[a-z]{1,13}$"));
        for (int i = 0; i < l.entries.size(); ++i) {
            const Entry &e = l.entries.at(i);
            if (!word.match(e.word).hasMatch())
                problems << l.where(e) + QStringLiteral("the word must match %1").arg(word.pattern());
            if (i > 0 && l.entries.at(i - 1).word >= e.word)
                problems << l.where(e) + QStringLiteral("out of order, or twice: after %1").arg(l.entries.at(i - 1).word);
            for (const WordList &other : std::as_const(m_lists))
                for (const Entry &o : other.entries)
                    if (o.word == e.word && other.name != l.name)
                        problems << l.where(e) + QStringLiteral("also in %1 line %2").arg(other.name).arg(o.line);
            static const QRegularExpression clue(QStringLiteral("^[a-z][\\x20-\\x3c\\x3e-\\x7e]{10,98}[\\x21-\\x3c\\x3e-\\x7e]$"));
            if (!clue.match(e.clue).hasMatch())
                problems << l.where(e) + "the clue must be 12-100 ASCII characters, start lower case, hold no \"=\" and end in no blank";
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
        static const QSet<QString> kinds = wordSet(QStringLiteral("noun verb adjective adverb phrase other"));
        QHash<QString, int> count;
        int twoWords = 0;
        for (const Entry &e : l.entries) {
            count[e.pos] += 1;
            twoWords += e.word.contains(u' ');
            if (!kinds.contains(e.pos))
                problems << l.where(e) + QStringLiteral("%1 line %2 does not give its part of speech").arg(posName).arg(e.line - 1);
        }
        const int n = l.entries.size();
        const auto share = [&](const char *what, int have, bool ok, const char *rule) {
            if (!ok)
                problems << QStringLiteral("%1: %2 %3 of %4 entries; %5").arg(l.name).arg(have).arg(what).arg(n).arg(rule);
        };
        share("nouns", count["noun"], count["noun"] * 2 <= n, "at most half");
        share("verbs", count["verb"], count["verb"] * 5 >= n, "at least a fifth");
        share("adjectives", count["adjective"], count["adjective"] * 5 >= n, "at least a fifth");
        share("adverbs", count["adverb"], count["adverb"] * 20 >= n, "at least 5%");
        if (l.level && l.level->twoWordMinimum > 0)
            share("two-word entries", twoWords, twoWords >= l.level->twoWordMinimum,
                  qPrintable(QStringLiteral("at least %1").arg(l.level->twoWordMinimum)));
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
                for (const QString &p : parts) {
                    const bool wholeWord = e.word.split(u' ').contains(p);
                    if (t == p || (!kStopWords.contains(t) && (related(t, p) || holdsInHalf(t, p, wholeWord)))) {
                        problems << l.where(e) + (wholeWord ? QStringLiteral("\"%1\" is or holds a form of the word").arg(t)
                                                            : QStringLiteral("\"%1\" gives away \"%2\", part of the word").arg(t, p));
                        break;
                    }
                }
        }
        verifyNone(problems);
    }

    // Clues that share most of their content words fit each other's word
    // ("to confuse someone completely", "to puzzle someone completely"): at
    // least two, half of both clues' content words together, and half of
    // each clue's content words beyond defining words such as "someone".
    // Clues for two parts of speech do not fit each other's word, nor do
    // clues of which one says the opposite ("not", "before" and "after").
    void eachClueFitsOnlyItsWord_data() { eachList_data(); }
    void eachClueFitsOnlyItsWord()
    {
        QSet<QString> defining;
        for (const QString &w : wordSet(QStringLiteral("someone something somebody anyone anything person people thing "
                                                       "like make use way time place part kind type sort piece say go "
                                                       "get take give have feel relate particular especially")))
            defining.insert(stem(w, m_vocabulary));
        static const QSet<QString> negations = wordSet(QStringLiteral("not no never without"));
        static const QStringList opposites = QStringLiteral("before after|up down|more less|in out|towards away|good bad|"
            "big small|high low|hot cold|man woman|boy girl|he she|his her|first last|start end|top bottom").split(u'|');
        static const QSet<QString> anyPlace{QString(), "phrase", "other"};
        const WordList &l = list();
        QList<QSet<QString>> content, words;
        QHash<QString, QList<int>> cluesWith;
        for (int i = 0; i < l.entries.size(); ++i) {
            const QStringList clueWords = tokens(l.entries.at(i).clue);
            QSet<QString> stems;
            for (const QString &t : clueWords)
                if (!kStopWords.contains(t))
                    stems.insert(stem(t, m_vocabulary));
            for (const QString &s : stems - defining)
                cluesWith[s].append(i);
            content.append(stems);
            words.append(QSet<QString>(clueWords.begin(), clueWords.end()));
        }
        const auto opposed = [&](int a, int b) {
            return words.at(a).intersects(negations) != words.at(b).intersects(negations)
                   || std::any_of(opposites.begin(), opposites.end(), [&](const QString &pair) {
                          const QString x = pair.section(u' ', 0, 0), y = pair.section(u' ', 1);
                          return (words.at(a).contains(x) && words.at(b).contains(y)) || (words.at(a).contains(y) && words.at(b).contains(x));
                      });
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
            if (shared < 2 || shared * 2 < together || (ownA & ownB).size() * 2 < qMax(ownA.size(), ownB.size())
                || (x.pos != y.pos && !anyPlace.contains(x.pos) && !anyPlace.contains(y.pos)) || opposed(a, b)
                || m_reviewed.contains(x.word + u' ' + y.word) || m_reviewed.contains(y.word + u' ' + x.word))
                continue;
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
            QSKIP("clues past the beginner level may use any word");
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
        // hunspell's en_GB takes -ize too, so each -ize form is also tried as
        // -ise: where that is a word, it is the spelling to use.
        static const QRegularExpression ize(QStringLiteral("^([a-z]{3,}[iy])z(e|es|ed|ing|ation|ations|er|ers)$"));
        // A headword is written in lower case, so a name among them (monday,
        // january) is looked up as the name it is: Monday, January.
        const auto asName = [](const QString &w) { return w.left(1).toUpper() + w.mid(1); };
        QStringList lines;
        QHash<QString, QString> iseOf;
        for (const Entry &e : l.entries) {
            lines << e.word << e.clue;
            for (const QString &w : e.word.split(u' '))
                lines << asName(w);
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
                const QString t = m.captured(), ise = iseOf.value(t.toLower());
                const bool name = m.capturedStart() < e.word.size() && !rejected->contains(asName(t));
                unplaced.remove(asName(t));
                if (rejected->contains(t) && !name)
                    problems << l.where(e) + QStringLiteral("hunspell -d en_GB rejects \"%1\"").arg(t);
                else if (!ise.isEmpty() && !rejected->contains(ise))
                    problems << l.where(e) + QStringLiteral("\"%1\" is spelt \"%2\" here").arg(t, ise);
                unplaced.remove(t);
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
        static const QSet<QString> blocked = wordSet(QStringLiteral(
            "sex sexual sexy naked nude porn erotic prostitute brothel drug cocaine heroin cannabis marijuana drunk "
            "drunken alcoholic hangover booze tipsy suicide murder rape torture slaughter massacre genocide behead stab "
            "strangle corpse gore damn hell bloody crap piss arse bastard bitch shit fuck"));
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
