#include "game/WordList.h"

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
// SCAFFOLD_WORDLISTS_DIR points the test at another folder of lists. Rivals and
// compound giveaways are found with WordNet 3.0 (Debian's wordnet-base, or
// SCAFFOLD_WORDNET_DIR); levels with the CEFR profiles in tests/data/profiles.

namespace {

// twoWords: entries of two words are allowed, and at least twoWordMinimum of
// them are there; a beginner meets a few (ice cream) but needs no share of them.
struct Level
{
    QString name;
    int minimum;
    bool twoWords, plainClues, forChildren;
    int twoWordMinimum;
};
const QList<Level> kLevels = {{"beginner", 800, true, true, true, 0},
                              {"intermediate", 1200, true, false, true, 30},
                              {"advanced", 1000, true, false, false, 30}};

struct Entry
{
    QString list;
    int line;
    QString word, clue, pos;
    QSet<QString> words, content; // the clue's words, and the stems of those that carry meaning
};
QString where(const Entry &e)
{
    return QStringLiteral("%1:%2: %3=%4 -- ").arg(e.list).arg(e.line).arg(e.word, e.clue);
}

// One graded list as read, with what reading it found wrong.
struct GradedList
{
    QString name;
    const Level *level = nullptr;
    QList<Entry> entries;
    QStringList broken;
};

QString folder()
{
    return qEnvironmentVariable("SCAFFOLD_WORDLISTS_DIR", QStringLiteral(SCAFFOLD_SOURCE_DIR "/data/lists"));
}

QStringList readLines(const QString &name)
{
    QFile file(folder() + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
                                          : QStringList();
}

// The lines of a file that are not blank, each with its 1-based number.
QList<std::pair<int, QString>> numberedLines(const QString &name)
{
    QList<std::pair<int, QString>> out;
    QFile file(folder() + u'/' + name);
    const QStringList lines = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n')
                                                             : QStringList();
    for (int i = 0; i < lines.size(); ++i)
        if (!lines.at(i).trimmed().isEmpty())
            out.append({i + 1, lines.at(i)});
    return out;
}

QSet<QString> wordSet(const QString &words)
{
    const QStringList list = words.split(u' ', Qt::SkipEmptyParts);
    return QSet<QString>(list.begin(), list.end());
}

// Function words: they say nothing of what a clue means.
const QSet<QString> kStopWords = wordSet(QStringLiteral(
        "a about above after again against all also an and any are as at be because been before being below between "
        "both "
        "but by can could did do does doing down during each either eg etc every few for from further had has have "
        "having "
        "he her here hers him his how i if in into is it its itself just many may me might more most much must my no "
        "nor "
        "not of off often on once one only onto or other our out over own same shall she should so some such than that "
        "the their them then there these they this those through to too under until up upon us usually very was we "
        "were "
        "what when where which while who whom whose why will with would yet you your"));

// Irregular forms, and words made irregularly, with the word they come from.
const QHash<QString, QString> kIrregular = [] {
    QHash<QString, QString> h;
    for (const QString &group :
         QStringLiteral(
                 "say said|make made|get got|know knew known|think thought|take took taken|see saw seen|come came|give "
                 "gave "
                 "given|find found|tell told|become became|leave left|feel felt|bring brought|begin began begun|keep "
                 "kept|"
                 "hold held|write wrote written|stand stood|hear heard|mean meant|meet met|run ran|pay paid|sit "
                 "sat|speak "
                 "spoke spoken|lead led|grow grew grown|lose lost|fall fell fallen|send sent|build built|draw drew "
                 "drawn|"
                 "break broke broken|spend spent|rise rose risen|drive drove driven|buy bought|wear wore worn|choose "
                 "chose "
                 "chosen|seek sought|throw threw thrown|catch caught|deal dealt|win won|forget forgot forgotten|sell "
                 "sold|"
                 "fight fought|teach taught|eat ate eaten|sing sang sung|swim swam swum|fly flew flown flies|drink "
                 "drank "
                 "drunk|sleep slept|ride rode ridden|hide hid hidden|shake shook shaken|steal stole stolen|wake woke "
                 "woken|"
                 "freeze froze frozen|bite bit bitten|blow blew blown|dig dug|feed fed|hang hung|ring rang rung|shine "
                 "shone|"
                 "shoot shot|sink sank sunk|stick stuck|strike struck|swing swung|tear tore torn|weep wept|lend "
                 "lent|bend "
                 "bent|bleed bled|breed bred|flee fled|forgive forgave forgiven|light lit|creep crept|sweep "
                 "swept|dream "
                 "dreamt|learn learnt|burn burnt|spell spelt|spill spilt|smell smelt|lay laid|lie lain lying|die "
                 "dying|tie "
                 "tying|child children|man men|woman women|person people|foot feet|tooth teeth|goose geese|mouse "
                 "mice|knife "
                 "knives|leaf leaves|life lives|wife wives|half halves|wolf wolves|shelf shelves|thief thieves|loaf "
                 "loaves|"
                 "calf calves|good better best|bad worse worst|far farther further|young youth|long length|strong "
                 "strength|wide "
                 "width|deep depth|high height|true truth|die death dead|proud pride|sell sale|fly flight|weigh weight|"
                 "choose choice|lose loss|speak speech")
                 .split(u'|')) {
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
        {"s", ""},      {"es", "XY"}, {"ed", "DY"}, {"d", "A"},     {"ing", "ED"}, {"er", "DY"},  {"r", "A"},
        {"est", "DY"},  {"st", "A"},  {"ly", "Y"},  {"ness", "Y"},  {"ment", ""},  {"ful", "Y"},  {"less", "Y"},
        {"able", "ED"}, {"ity", "E"}, {"ion", "E"}, {"ation", "E"}, {"al", "E"},   {"ous", "EY"}, {"ive", "E"},
        {"ish", "D"},   {"ist", "E"}, {"y", "ED"},  {"en", "D"}};

// The words a token may be a form of, the token included: "happiness" gives
// happi and happy, "stopped" stopp and stop, "ran" run. Crude on purpose: it
// errs towards seeing a relation.
QSet<QString> roots(const QString &w, int depth = 2, bool irregular = true)
{
    QSet<QString> out{w};
    if (irregular && kIrregular.contains(w))
        out.insert(kIrregular.value(w));
    if (depth > 0 && w.startsWith(QLatin1String("un")) && w.size() >= 6)
        out |= roots(w.mid(2), depth - 1);
    if (depth > 0 && w.startsWith(u'a') && w.size() >= 6) // asleep, afloat
        out |= roots(w.mid(1), depth - 1);
    for (const auto &[suffix, flags] : kSuffixes) {
        const QString stem = w.chopped(qMin(w.size(), suffix.size()));
        if (depth == 0 || !w.endsWith(suffix) || stem.size() < 2 || (suffix == u's' && stem.endsWith(u's'))
            || (flags.contains(u'A')
                && (!stem.endsWith(u'e') || (stem.endsWith(QLatin1String("ee")) && stem.size() < 5)))
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

// Function words that may still say a part of a compound ("before" for
// "first"), and words that every kind of definition uses.
const QSet<QString> kRelations = wordSet(QStringLiteral("before after behind above below under over"));
const QSet<QString> kGeneric = wordSet(QStringLiteral("made make used use usually especially something someone person "
                                                      "people thing things part place time"));

// What a giveaway check strips beyond the suffixes above: the endings of
// learned words ("vengeance", "scientific") and the prefixes of both the word
// and the clue ("defend" of "fend", "persuade" of "dissuade").
const QStringList kLearnedSuffixes
        = QStringLiteral("ance ence ancy ency ant ent ic ical ific ify fy ate ure ism ise ize age ery ory ial ian")
                  .split(u' ');
const QStringList kPrefixes = QStringLiteral("un in im il ir dis mis re pre pro con com col cor de be en em ex sub "
                                             "inter over under out non anti fore trans per ab ad")
                                      .split(u' ');
// Latin roots that change their last letters inside one family of words:
// "proponent" and "proposal", "convert" and "conversion".
const QList<std::pair<QString, QString>> kRootChanges = {
        {"pon", "pos"},   {"vert", "vers"}, {"duc", "duct"},   {"mit", "miss"}, {"scrib", "script"},
        {"ceiv", "cept"}, {"tain", "ten"},  {"sum", "sump"},   {"pel", "puls"}, {"cid", "cis"},
        {"clud", "clus"}, {"vid", "vis"},   {"sati", "satis"}, {"ence", "ent"}, {"ance", "ant"}};

// The cores a word may share with a relative: its roots with learned
// suffixes and one prefix taken off, each of at least four letters.
QSet<QString> cores(const QString &w)
{
    QSet<QString> out;
    QSet<QString> todo = roots(w);
    for (int round = 0; round < 3; ++round) {
        QSet<QString> next;
        for (const QString &r : std::as_const(todo)) {
            if (out.contains(r))
                continue;
            out.insert(r);
            for (const QString &s : kLearnedSuffixes)
                if (r.endsWith(s) && r.size() - s.size() >= 4)
                    next |= roots(r.chopped(s.size()), 1) | QSet<QString>{r.chopped(s.size()) + u'e'};
            if (round == 0)
                for (const QString &p : kPrefixes)
                    if (r.startsWith(p) && r.size() - p.size() >= 4)
                        next |= roots(r.mid(p.size()), 2, false); // "present" is no form of "send"
            for (const auto &[from, to] : kRootChanges) {
                if (r.endsWith(from))
                    next.insert(r.chopped(from.size()) + to);
                if (r.endsWith(to))
                    next.insert(r.chopped(to.size()) + from);
            }
        }
        todo = next;
    }
    QSet<QString> kept;
    for (const QString &c : std::as_const(out))
        if (c.size() >= 4)
            kept.insert(c);
    return kept;
}

// WordNet 3.0 as its data files lay it out: for each part of speech an index
// of lemmas, each with its senses' synsets, commonest first, and the synsets
// themselves at their offset in the data file. Read straight from the files,
// not through the wn command: one pass over four indexes serves the whole
// test, where wn would start a process for each word and part of speech.
class WordNet
{
public:
    static constexpr const char *kFiles[] = {"noun", "verb", "adj", "adv"};
    struct Synset
    {
        QStringList lemmas;
        QList<std::pair<int, qint64>> related;
        QString gloss;
    };

    bool load(const QString &folder)
    {
        for (int pos = 0; pos < 4; ++pos) {
            QFile index(folder + QStringLiteral("/index.") + QLatin1String(kFiles[pos]));
            m_data[pos] = std::make_unique<QFile>(folder + QStringLiteral("/data.") + QLatin1String(kFiles[pos]));
            if (!index.open(QIODevice::ReadOnly) || !m_data[pos]->open(QIODevice::ReadOnly))
                return false;
            while (!index.atEnd()) {
                const QByteArray line = index.readLine();
                if (line.startsWith(' '))
                    continue; // the licence at the top
                const QList<QByteArray> f = line.trimmed().split(' ');
                if (f.size() < 6)
                    continue;
                const int synsets = f.at(2).toInt(), pointers = f.at(3).toInt(), first = 4 + pointers + 2;
                QList<qint64> offsets;
                for (int i = first; i < qMin<int>(f.size(), first + synsets); ++i)
                    offsets << f.at(i).toLongLong();
                m_senses[pos].insert(QString::fromLatin1(f.at(0)).replace(u'_', u' '), offsets);
            }
        }
        return true;
    }

    // The part of speech of a .pos sidecar as WordNet's files number it; -1
    // for phrases and others, which may be any.
    static int part(const QString &pos)
    {
        static const QStringList names{"noun", "verb", "adjective", "adverb"};
        return int(names.indexOf(pos));
    }

    // The synsets of the lemma's commonest senses in one part of speech.
    QList<qint64> senses(int pos, const QString &lemma, int count) const
    {
        return m_senses[pos].value(lemma).mid(0, count);
    }

    Synset synset(int pos, qint64 offset) const
    {
        Synset s;
        QFile &data = *m_data[pos];
        if (!data.seek(offset))
            return s;
        const QString line = QString::fromLatin1(data.readLine());
        s.gloss = line.section(u'|', 1).trimmed();
        const QStringList f = line.section(u'|', 0, 0).split(u' ', Qt::SkipEmptyParts);
        const int words = f.value(3).toInt(nullptr, 16);
        for (int i = 0; i < words; ++i)
            s.lemmas << f.value(4 + 2 * i).section(u'(', 0, 0).replace(u'_', u' ').toLower();
        const int at = 4 + 2 * words, pointers = f.value(at).toInt();
        static const QString partLetters = QStringLiteral("nvar");
        for (int i = 0; i < pointers; ++i) {
            const QString symbol = f.value(at + 1 + 4 * i), letter = f.value(at + 3 + 4 * i);
            if (symbol.startsWith(u'@') || symbol.startsWith(u'~'))
                s.related << std::pair{int(partLetters.indexOf(letter == u's' ? QStringLiteral("a") : letter)),
                                       f.value(at + 2 + 4 * i).toLongLong()};
        }
        return s;
    }

private:
    QHash<QString, QList<qint64>> m_senses[4];
    std::unique_ptr<QFile> m_data[4];
};

// A CEFR vocabulary profile: each word's lowest level, and the rows of the
// A1 core, each a group of variant spellings with its line in the file.
struct Profile
{
    QHash<QString, QString> level;
    QList<std::pair<int, QStringList>> a1Core;
};

Profile readProfile(const QString &path)
{
    Profile p;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return p;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    static const QRegularExpression coreWord(QStringLiteral("^[a-z]{3,13}$"));
    QSet<QString> seen;
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList f = lines.at(i).split(u',');
        if (f.size() < 3)
            continue;
        const QString level = f.at(2).trimmed();
        const QStringList variants = f.at(0).trimmed().toLower().split(u'/');
        for (const QString &v : variants)
            if (!p.level.contains(v) || level < p.level.value(v))
                p.level.insert(v, level);
        const bool core = std::any_of(variants.begin(), variants.end(),
                                      [](const QString &v) { return coreWord.match(v).hasMatch(); });
        if (level == QLatin1String("A1") && QStringLiteral("noun verb adjective").split(u' ').contains(f.at(1)) && core
            && !seen.contains(variants.join(u'/'))) {
            seen.insert(variants.join(u'/'));
            p.a1Core.append({i + 1, variants});
        }
    }
    return p;
}

// A headword and the American spellings a profile may list it under.
QSet<QString> spellings(const QString &word)
{
    QSet<QString> out{word};
    static const QList<std::pair<QRegularExpression, QString>> changes = {
            {QRegularExpression(QStringLiteral("our(s|ed|ing|ful|ite|able|er)?$")), QStringLiteral("or\\1")},
            {QRegularExpression(QStringLiteral("is(e|es|ed|ing|ation|er)$")), QStringLiteral("iz\\1")},
            {QRegularExpression(QStringLiteral("ys(e|ed|ing)$")), QStringLiteral("yz\\1")},
            {QRegularExpression(QStringLiteral("([^aeiou])re(s|d)?$")), QStringLiteral("\\1er\\2")},
            {QRegularExpression(QStringLiteral("ogue$")), QStringLiteral("og")},
            {QRegularExpression(QStringLiteral("([aeiou])ll(ing|ed|er|ery)$")), QStringLiteral("\\1l\\2")},
            {QRegularExpression(QStringLiteral("grey")), QStringLiteral("gray")}};
    for (const auto &[from, to] : changes)
        out.insert(QString(word).replace(from, to));
    return out;
}

QString levelOf(const Profile &p, const QString &word)
{
    QString best;
    for (const QString &s : spellings(word))
        if (p.level.contains(s) && (best.isEmpty() || p.level.value(s) < best))
            best = p.level.value(s);
    return best;
}

QString profileFolder()
{
    return QStringLiteral(SCAFFOLD_SOURCE_DIR "/tests/data/profiles");
}

// What hunspell's British dictionary rejects of the lines; nothing when
// hunspell or its en_GB dictionary is missing.
std::optional<QSet<QString>> rejectedByHunspell(const QStringList &lines)
{
    QProcess hunspell;
    // The lines go in as UTF-8 whatever the locale: in the C locale of a
    // bare machine hunspell would split "I've" at its apostrophe.
    hunspell.start(QStringLiteral("hunspell"),
                   {QStringLiteral("-i"), QStringLiteral("UTF-8"), QStringLiteral("-d"), QStringLiteral("en_GB"),
                    QStringLiteral("-l")});
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

    QMap<QString, GradedList> m_lists;
    QSet<QString> m_plain; // everyday words a beginner knows
    QList<std::pair<int, QString>> m_reviewed; // the lines of reviewed-pairs.txt, with their numbers
    QList<const Entry *> m_all; // the entries of every list
    QSet<QString> m_defining; // the stems of words any definition may use ("someone", "kind")
    WordNet m_wordNet;
    bool m_haveWordNet = false;
    Profile m_cefrj, m_octanove;
    QSet<QString> m_vocabulary; // plain words and headwords: what compounds are made of

    const GradedList &list()
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
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("%1 problem(s), each listed above").arg(problems.size())));
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
                        && !(p == w.mid(i) && std::any_of(kSuffixes.begin(), kSuffixes.end(), [&](const auto &s) {
                                 return s.first == p;
                             })))
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
            GradedList &l = m_lists[name];
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
            // The game's own rules split the entry and say whether it can be
            // played; a shipped list is held to more: nothing the checker would
            // warn of, and no blank around the "=" nor a second one.
            for (int i = 1; i < lines.size() - (lines.last().isEmpty() ? 1 : 0); ++i) {
                const QString &text = lines.at(i);
                try {
                    const ListEntry entry = WordList::CheckEntry(text, i + 1);
                    for (const WordList::Remark &r : WordList::Warnings(entry))
                        l.broken << QStringLiteral("%1:%2: %3 -- %4").arg(name).arg(i + 1).arg(text, r.text);
                    if (text != entry.word + u'=' + entry.meaning)
                        l.broken << QStringLiteral("%1:%2: %3 -- blanks around the \"=\", or a second \"=\"")
                                            .arg(name)
                                            .arg(i + 1)
                                            .arg(text);
                    l.entries.append({name, i + 1, entry.word, entry.meaning, QString(), {}, {}});
                } catch (const WordListError &e) {
                    l.broken << QStringLiteral("%1:%2: %3 -- %4").arg(name).arg(i + 1).arg(text, e.problem);
                }
            }
            if (lines.first() != QString::number(l.entries.size()))
                l.broken << QStringLiteral("%1:1: count line \"%2\" but %3 entries")
                                    .arg(name, lines.first())
                                    .arg(l.entries.size());
            const QStringList pos = readLines(name.chopped(4) + QStringLiteral(".pos"));
            for (int i = 0; i < qMin(pos.size(), l.entries.size()); ++i)
                if (pos.at(i).startsWith(l.entries.at(i).word + u'\t'))
                    l.entries[i].pos = pos.at(i).section(u'\t', 1);
        }
        QVERIFY2(!m_lists.isEmpty(), qPrintable("no word lists in " + folder()));
        const QStringList plain = readLines(QStringLiteral("plain-words.txt"));
        m_plain = QSet<QString>(plain.begin(), plain.end());
        QVERIFY2(m_plain.size() > 1000, "plain-words.txt holds the everyday words a beginner knows");
        for (const auto &[number, text] : numberedLines(QStringLiteral("reviewed-pairs.txt")))
            if (!text.startsWith(u'#'))
                m_reviewed.append({number, text});

        m_vocabulary = m_plain;
        for (const GradedList &l : std::as_const(m_lists))
            for (const Entry &e : l.entries)
                m_vocabulary |= wordSet(e.word);
        for (GradedList &l : m_lists)
            for (Entry &e : l.entries) {
                const QStringList clueWords = tokens(e.clue);
                e.words = QSet<QString>(clueWords.begin(), clueWords.end());
                for (const QString &t : clueWords)
                    if (!kStopWords.contains(t))
                        e.content.insert(stem(t, m_vocabulary));
                m_all.append(&e);
            }
        for (const QString &w : wordSet(QStringLiteral("someone something somebody anyone anything person people thing "
                                                       "like make use way time place part kind type sort piece say go "
                                                       "get take give have feel relate particular especially")))
            m_defining.insert(stem(w, m_vocabulary));
        m_haveWordNet = m_wordNet.load(
                qEnvironmentVariable("SCAFFOLD_WORDNET_DIR", QStringLiteral("/usr/share/wordnet")));
        m_cefrj = readProfile(profileFolder() + QStringLiteral("/cefrj-vocabulary-profile-1.5.csv"));
        m_octanove = readProfile(profileFolder() + QStringLiteral("/octanove-vocabulary-profile-c1c2-1.0.csv"));
        QVERIFY2(m_cefrj.level.size() > 5000 && m_octanove.level.size() > 1500,
                 qPrintable("the CEFR profiles in " + profileFolder()));
    }

    void entriesAreWellFormed_data() { eachList_data(); }
    void entriesAreWellFormed()
    {
        const GradedList &l = list();
        QStringList problems = l.broken;
        if (!l.level)
            problems << l.name + QStringLiteral(": not one of the levels beginner, intermediate, advanced");
        else if (l.entries.size() < l.level->minimum)
            problems << QStringLiteral("%1: %2 entries, fewer than %3")
                                .arg(l.name)
                                .arg(l.entries.size())
                                .arg(l.level->minimum);
        const QRegularExpression word(l.level && l.level->twoWords ? QStringLiteral("^(?=.{1,13}$)[a-z]+( [a-z]+)?$")
                                                                   : QStringLiteral("^[a-z]{1,13}$"));
        for (int i = 0; i < l.entries.size(); ++i) {
            const Entry &e = l.entries.at(i);
            if (!word.match(e.word).hasMatch())
                problems << where(e) + QStringLiteral("the word must match %1").arg(word.pattern());
            if (i > 0 && l.entries.at(i - 1).word >= e.word)
                problems << where(e) + QStringLiteral("out of order, or twice: after %1").arg(l.entries.at(i - 1).word);
            for (const GradedList &other : std::as_const(m_lists))
                for (const Entry &o : other.entries)
                    if (o.word == e.word && other.name != l.name)
                        problems << where(e) + QStringLiteral("also in %1 line %2").arg(other.name).arg(o.line);
            static const QRegularExpression clue(
                    QStringLiteral("^[a-z][\\x20-\\x3c\\x3e-\\x7e]{10,98}[\\x21-\\x3c\\x3e-\\x7e]$"));
            if (!clue.match(e.clue).hasMatch())
                problems << where(e)
                                + "the clue must be 12-100 ASCII characters, start lower case, hold no \"=\" and end "
                                  "in no blank";
        }
        verifyNone(problems);
    }

    void theListsHoldThreeThousandWords()
    {
        QSet<QString> words;
        for (const GradedList &l : std::as_const(m_lists))
            for (const Entry &e : l.entries)
                words.insert(e.word);
        QVERIFY2(words.size() >= 3000, qPrintable(QStringLiteral("%1 distinct words in all").arg(words.size())));
    }

    void partsOfSpeechAreRecordedAndBalanced_data() { eachList_data(); }
    void partsOfSpeechAreRecordedAndBalanced()
    {
        const GradedList &l = list();
        const QString posName = l.name.chopped(4) + QStringLiteral(".pos");
        const QStringList lines = readLines(posName);
        QStringList problems;
        if (lines.size() != l.entries.size())
            problems << QStringLiteral("%1: %2 lines for %3 entries")
                                .arg(posName)
                                .arg(lines.size())
                                .arg(l.entries.size());
        static const QSet<QString> kinds = wordSet(QStringLiteral("noun verb adjective adverb phrase other"));
        QHash<QString, int> count;
        int twoWords = 0;
        for (const Entry &e : l.entries) {
            count[e.pos] += 1;
            twoWords += e.word.contains(u' ');
            if (!kinds.contains(e.pos))
                problems << where(e)
                                + QStringLiteral("%1 line %2 does not give its part of speech")
                                          .arg(posName)
                                          .arg(e.line - 1);
        }
        const int n = l.entries.size();
        const auto share = [&](const char *what, int have, bool ok, const char *rule) {
            if (!ok)
                problems << QStringLiteral("%1: %2 %3 of %4 entries; %5")
                                    .arg(l.name)
                                    .arg(have)
                                    .arg(what)
                                    .arg(n)
                                    .arg(rule);
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
        const GradedList &l = list();
        QStringList problems;
        for (const Entry &e : l.entries) {
            const QStringList parts = pieces(e.word);
            for (const QString &t : tokens(e.clue))
                for (const QString &p : parts) {
                    const bool wholeWord = e.word.split(u' ').contains(p);
                    if (t == p || (!kStopWords.contains(t) && (related(t, p) || holdsInHalf(t, p, wholeWord)))) {
                        problems << where(e)
                                        + (wholeWord ? QStringLiteral("\"%1\" is or holds a form of the word").arg(t)
                                                     : QStringLiteral("\"%1\" gives away \"%2\", part of the word")
                                                               .arg(t, p));
                        break;
                    }
                }
        }
        verifyNone(problems);
    }

private:
    // Clues that share most of their content words fit each other's word
    // ("to confuse someone completely", "to puzzle someone completely"): at
    // least two, half of both clues' content words together, and half of
    // each clue's content words beyond defining words such as "someone".
    // Clues for two parts of speech do not fit each other's word, nor do
    // clues of which one says the opposite ("not", "before" and "after").
    bool lookAlike(const Entry &x, const Entry &y) const
    {
        static const QSet<QString> negations = wordSet(QStringLiteral("not no never without"));
        static const QStringList opposites = QStringLiteral(
                                                     "before after|up down|more less|in out|towards away|good bad|"
                                                     "big small|high low|hot cold|man woman|boy girl|he she|his "
                                                     "her|first last|start end|top bottom")
                                                     .split(u'|');
        static const QSet<QString> anyPlace{QString(), "phrase", "other"};
        const bool opposed = x.words.intersects(negations) != y.words.intersects(negations)
                || std::any_of(opposites.begin(), opposites.end(), [&](const QString &pair) {
                                 const QString a = pair.section(u' ', 0, 0), b = pair.section(u' ', 1);
                                 return (x.words.contains(a) && y.words.contains(b))
                                         || (x.words.contains(b) && y.words.contains(a));
                             });
        const int shared = (x.content & y.content).size(), together = (x.content | y.content).size();
        const QSet<QString> ownX = x.content - m_defining, ownY = y.content - m_defining;
        return shared >= 2 && shared * 2 >= together && (ownX & ownY).size() * 2 >= qMax(ownX.size(), ownY.size())
                && (x.pos == y.pos || anyPlace.contains(x.pos) || anyPlace.contains(y.pos)) && !opposed;
    }

    // The pairs of look-alike clues among the entries, each once.
    QList<std::pair<const Entry *, const Entry *>> lookAlikes(const QList<const Entry *> &entries) const
    {
        QHash<QString, QList<int>> cluesWith;
        for (int i = 0; i < entries.size(); ++i)
            for (const QString &s : entries.at(i)->content - m_defining)
                cluesWith[s].append(i);
        QSet<std::pair<int, int>> candidates;
        for (const QList<int> &with : std::as_const(cluesWith))
            for (int a = 0; a < with.size(); ++a)
                for (int b = a + 1; b < with.size(); ++b)
                    candidates.insert({with.at(a), with.at(b)});
        QList<std::pair<const Entry *, const Entry *>> out;
        for (const auto &[a, b] : std::as_const(candidates))
            if (lookAlike(*entries.at(a), *entries.at(b)))
                out.append(std::pair(entries.at(a), entries.at(b)));
        return out;
    }

    static QString sharing(const Entry &x, const Entry &y)
    {
        return QStringLiteral("shares %1 of %2 content words with %3:%4: %5=%6")
                .arg((x.content & y.content).size())
                .arg((x.content | y.content).size())
                .arg(y.list)
                .arg(y.line)
                .arg(y.word, y.clue);
    }

    // A reviewed pair of rivals, as "first / second: why each clue fits only its word".
    static std::pair<QString, QString> reviewedPair(const QString &line)
    {
        const QString pair = line.section(u':', 0, 0);
        return {pair.section(u'/', 0, 0).simplified(), pair.section(u'/', 1).simplified()};
    }

    // Same-length headwords that WordNet gives as synonyms in a sense of the
    // two commonest of each, in the part of speech of the entry.
    QList<std::pair<const Entry *, const Entry *>> rivals() const
    {
        QHash<std::pair<int, qint64>, QList<const Entry *>> bySense;
        for (const Entry *e : m_all) {
            const int only = WordNet::part(e->pos);
            for (int pos = 0; pos < 4; ++pos)
                if (only < 0 || pos == only)
                    for (qint64 offset : m_wordNet.senses(pos, e->word, 2))
                        bySense[{pos, offset}].append(e);
        }
        QSet<std::pair<const Entry *, const Entry *>> out;
        for (const QList<const Entry *> &same : std::as_const(bySense))
            for (const Entry *a : same)
                for (const Entry *b : same)
                    if (a->word < b->word && a->word.size() == b->word.size())
                        out.insert({a, b});
        QList<std::pair<const Entry *, const Entry *>> sorted(out.begin(), out.end());
        std::sort(sorted.begin(), sorted.end(), [](const auto &x, const auto &y) {
            return std::pair(x.first->word, x.second->word) < std::pair(y.first->word, y.second->word);
        });
        return sorted;
    }

    // What a part of a compound may be said with: the lemmas of its two
    // commonest senses in any part of speech and of the synsets just above
    // and below them ("engine" below "motor"), and the words of their
    // glosses' first clause ("before" of "first"), words that any definition
    // uses left out.
    QSet<QString> translations(const QString &part) const
    {
        QSet<QString> out;
        for (int pos = 0; pos < 4; ++pos)
            for (qint64 offset : m_wordNet.senses(pos, part, 2)) {
                const WordNet::Synset s = m_wordNet.synset(pos, offset);
                out |= QSet<QString>(s.lemmas.begin(), s.lemmas.end());
                for (const QString &t : tokens(s.gloss.section(u';', 0, 0)))
                    if ((!kStopWords.contains(t) || kRelations.contains(t)) && t.size() >= 4)
                        out.insert(t);
                for (const auto &[relatedPos, relatedOffset] : s.related) {
                    if (relatedPos < 0)
                        continue;
                    const QStringList lemmas = m_wordNet.synset(relatedPos, relatedOffset).lemmas;
                    out |= QSet<QString>(lemmas.begin(), lemmas.end());
                }
            }
        out.remove(part);
        return out - kGeneric;
    }

    bool isWord(const QString &w) const
    {
        if (m_vocabulary.contains(w))
            return true;
        for (int pos = 0; pos < 4; ++pos)
            if (!m_wordNet.senses(pos, w, 1).isEmpty())
                return true;
        return false;
    }

    // The two parts of a compound headword: the words of a two-word entry,
    // or the two words, each in the lists or in WordNet, that a single word
    // is made of ("motor" and "bike").
    QStringList compoundParts(const QString &word) const
    {
        QStringList words = word.split(u' ');
        words.removeIf([](const QString &w) { return kStopWords.contains(w); });
        if (words.size() == 2)
            return words;
        if (word.contains(u' '))
            return {};
        for (int i = 3; i + 3 <= word.size(); ++i)
            if (isWord(word.left(i)) && isWord(word.mid(i)) && !kStopWords.contains(word.left(i))
                && !std::any_of(kSuffixes.begin(), kSuffixes.end(),
                                [&](const auto &s) { return s.first == word.mid(i); }))
                return {word.left(i), word.mid(i)};
        return {};
    }

private slots:
    void eachClueFitsOnlyItsWord_data() { eachList_data(); }
    void eachClueFitsOnlyItsWord()
    {
        const GradedList &l = list();
        QList<const Entry *> entries;
        for (const Entry &e : l.entries)
            entries.append(&e);
        QStringList problems;
        for (const auto &[x, y] : lookAlikes(entries))
            problems << where(*x) + sharing(*x, *y);
        problems.sort();
        verifyNone(problems);
    }

    // A learner who has met one list's clue meets it again for another word.
    void noClueLooksLikeOneInAnotherList()
    {
        QStringList problems;
        for (const auto &[x, y] : lookAlikes(m_all))
            if (x->list != y->list)
                problems << where(*x) + sharing(*x, *y);
        problems.sort();
        verifyNone(problems);
    }

    // A clue that a synonym of the same length fits costs the learner who
    // knows the synonym. Each such pair is set apart by clues that name what
    // only their own word has, and recorded in reviewed-pairs.txt; clues
    // that share most of their words are not set apart, however reviewed.
    void rivalsAreSetApart()
    {
        if (!m_haveWordNet)
            QSKIP("WordNet 3.0 is not installed (scripts/deps.sh installs wordnet-base)");
        QHash<QString, const Entry *> byWord;
        for (const Entry *e : std::as_const(m_all))
            byWord.insert(e->word, e);
        const auto key = [](const QString &a, const QString &b) { return a < b ? a + u'/' + b : b + u'/' + a; };
        const auto found = rivals();
        QSet<QString> rivalKeys;
        for (const auto &[a, b] : found)
            rivalKeys.insert(key(a->word, b->word));
        QStringList problems;
        QSet<QString> reviewed;
        for (const auto &[line, text] : std::as_const(m_reviewed)) {
            const auto [a, b] = reviewedPair(text);
            const QString here = QStringLiteral("reviewed-pairs.txt:%1: %2 -- ").arg(line).arg(text);
            if (text.section(u':', 1).trimmed().isEmpty())
                problems << here + "give the reason after a colon: what sets the two clues apart";
            else if (!byWord.contains(a) || !byWord.contains(b))
                problems << here
                                + QStringLiteral("\"%1\" is no headword; remove the line")
                                          .arg(byWord.contains(a) ? b : a);
            else if (!rivalKeys.contains(key(a, b)))
                problems << here + "not a pair WordNet gives as synonyms of the same length; remove the line";
            reviewed.insert(key(a, b));
        }
        for (const auto &[a, b] : found) {
            if (!reviewed.contains(key(a->word, b->word)))
                problems << where(*a)
                                + QStringLiteral("WordNet gives %1 (%2:%3) as a synonym of the same length; set the "
                                                 "clues apart and record the pair in reviewed-pairs.txt, or drop one")
                                          .arg(b->word, b->list)
                                          .arg(b->line);
            else if (lookAlike(*a, *b))
                problems << where(*a) + QStringLiteral("reviewed as a rival of %1, but ").arg(b->word)
                                + sharing(*a, *b);
        }
        qInfo("%d rival pairs of the same length among the headwords", int(found.size()));
        verifyNone(problems);
    }

    // A clue word of the headword's family gives it away once prefixes and
    // learned suffixes are off both: "revenge" for "vengeance", "persuade"
    // for "dissuade", "defend" for "fend off".
    void noClueSharesItsWordsStem_data() { eachList_data(); }
    void noClueSharesItsWordsStem()
    {
        const GradedList &l = list();
        QStringList problems;
        for (const Entry &e : l.entries)
            for (const QString &part : e.word.split(u' ')) {
                if (kStopWords.contains(part) && e.word.contains(u' '))
                    continue;
                const QSet<QString> own = cores(part);
                for (const QString &t : tokens(e.clue)) {
                    if (kStopWords.contains(t))
                        continue;
                    const QSet<QString> shared = own & cores(t);
                    if (!shared.isEmpty()) {
                        QStringList stems(shared.begin(), shared.end());
                        stems.sort();
                        problems << where(e)
                                        + QStringLiteral("\"%1\" shares the stem \"%2\" with \"%3\"")
                                                  .arg(t, stems.first(), part);
                    }
                }
            }
        verifyNone(problems);
    }

    // A clue that says each part of a compound in other words spells it out:
    // "a bicycle with an engine" for "motorbike".
    void noClueTranslatesEachPartOfItsCompound_data() { eachList_data(); }
    void noClueTranslatesEachPartOfItsCompound()
    {
        if (!m_haveWordNet)
            QSKIP("WordNet 3.0 is not installed (scripts/deps.sh installs wordnet-base)");
        const GradedList &l = list();
        QStringList problems;
        for (const Entry &e : l.entries) {
            const QStringList parts = compoundParts(e.word);
            if (parts.isEmpty())
                continue;
            QStringList said;
            QSet<QString> used; // one word of the clue says one part
            for (const QString &part : parts) {
                const QSet<QString> ways = translations(part);
                for (const QString &t : tokens(e.clue))
                    if (!used.contains(t) && (!kStopWords.contains(t) || kRelations.contains(t))
                        && !kGeneric.contains(t)
                        && std::any_of(ways.begin(), ways.end(), [&](const QString &w) { return related(t, w); })) {
                        said << QStringLiteral("\"%1\" for \"%2\"").arg(t, part);
                        used.insert(t);
                        break;
                    }
            }
            if (said.size() == parts.size())
                problems << where(e) + QStringLiteral("says each part in other words: ")
                                + said.join(QStringLiteral(", "));
        }
        verifyNone(problems);
    }

    // The words a beginner meets first: most of the A1 nouns, verbs and
    // adjectives of the CEFR-J profile, and every day, month, season and
    // number to twenty.
    void beginnerListHoldsTheCore()
    {
        const auto it = m_lists.constFind(QStringLiteral("beginner.txt"));
        if (it == m_lists.constEnd())
            QSKIP("no beginner list here");
        QSet<QString> have;
        for (const Entry &e : it->entries)
            have |= spellings(e.word);
        QStringList problems;
        int covered = 0;
        for (const auto &[line, variants] : std::as_const(m_cefrj.a1Core)) {
            if (std::any_of(variants.begin(), variants.end(), [&](const QString &v) { return have.contains(v); }))
                ++covered;
            else
                problems << QStringLiteral(
                                    "cefrj-vocabulary-profile-1.5.csv:%1: %2 -- an A1 word the beginner list lacks")
                                    .arg(line)
                                    .arg(variants.join(u'/'));
        }
        const int total = int(m_cefrj.a1Core.size());
        qInfo("beginner.txt holds %d of %d A1 nouns, verbs and adjectives (%.1f%%)", covered, total,
              100.0 * covered / total);
        const QStringList basics
                = QStringLiteral(
                          "monday tuesday wednesday thursday friday saturday sunday january february march april may "
                          "june july august "
                          "september october november december spring summer autumn winter one two three four five six "
                          "seven eight nine "
                          "ten eleven twelve thirteen fourteen fifteen sixteen seventeen eighteen nineteen twenty")
                          .split(u' ');
        QStringList missing;
        for (const QString &w : basics)
            if (!have.contains(w))
                missing << w;
        if (!missing.isEmpty())
            problems << QStringLiteral("beginner.txt -- lacks days, months, seasons or numbers: ") + missing.join(u' ');
        if (covered * 100 >= total * 85 && missing.isEmpty())
            problems.clear(); // the rest of the A1 words may wait
        else if (covered * 100 < total * 85)
            problems << QStringLiteral("beginner.txt -- holds %1 of %2 A1 words, fewer than 85%")
                                .arg(covered)
                                .arg(total);
        verifyNone(problems);
    }

    // The advanced list is advanced by the profiles: at least half its words
    // rated C1 or C2 by Octanove, at most 40% on neither profile, and none
    // that CEFR-J rates A1 to B1.
    void advancedWordsAreAtTheirLevel()
    {
        const auto it = m_lists.constFind(QStringLiteral("advanced.txt"));
        if (it == m_lists.constEnd())
            QSKIP("no advanced list here");
        QStringList problems;
        int high = 0, unrated = 0;
        for (const Entry &e : it->entries) {
            const QString low = levelOf(m_cefrj, e.word), top = levelOf(m_octanove, e.word);
            high += !top.isEmpty();
            unrated += low.isEmpty() && top.isEmpty();
            if (!low.isEmpty() && low <= QLatin1String("B1"))
                problems << where(e)
                                + QStringLiteral("CEFR-J rates it %1; move it to intermediate.txt or replace it")
                                          .arg(low);
        }
        const int n = int(it->entries.size());
        qInfo("advanced.txt: %d of %d on Octanove C1-C2 (%.1f%%), %d on no profile (%.1f%%)", high, n, 100.0 * high / n,
              unrated, 100.0 * unrated / n);
        if (high * 2 < n)
            problems << QStringLiteral("advanced.txt -- %1 of %2 words on Octanove C1-C2, fewer than half")
                                .arg(high)
                                .arg(n);
        if (unrated * 5 > n * 2)
            problems << QStringLiteral("advanced.txt -- %1 of %2 words on no profile, more than 40%")
                                .arg(unrated)
                                .arg(n);
        verifyNone(problems);
    }

    // The words beginner clues may use are words a beginner knows, so none
    // of them is a word a later list teaches.
    void plainWordsAreNoLaterHeadwords()
    {
        QHash<QString, const Entry *> later;
        for (const Entry *e : std::as_const(m_all))
            if (e->list != QLatin1String("beginner.txt"))
                later.insert(e->word, e);
        QStringList problems;
        for (const auto &[number, word] : numberedLines(QStringLiteral("plain-words.txt")))
            if (const Entry *e = later.value(word))
                problems << QStringLiteral("plain-words.txt:%1: %2 -- a headword of %3 line %4")
                                    .arg(number)
                                    .arg(word, e->list)
                                    .arg(e->line);
        verifyNone(problems);
    }

    void beginnerCluesUsePlainWords_data() { eachList_data(); }
    void beginnerCluesUsePlainWords()
    {
        const GradedList &l = list();
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
                    problems << where(e)
                                    + QStringLiteral("\"%1\" is neither a plain word nor a beginner headword").arg(t);
            }
        verifyNone(problems);
    }

    void spellingIsBritish_data() { eachList_data(); }
    void spellingIsBritish()
    {
        const GradedList &l = list();
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
            QSKIP("hunspell with its en_GB dictionary is not installed (scripts/deps.sh installs hunspell and "
                  "hunspell-en-gb)");
        static const QRegularExpression word(QStringLiteral("[A-Za-z][A-Za-z']*"));
        QStringList problems;
        QSet<QString> unplaced = *rejected - QSet<QString>(iseOf.cbegin(), iseOf.cend());
        for (const Entry &e : l.entries)
            for (const auto &m : word.globalMatch(e.word + u' ' + e.clue)) {
                const QString t = m.captured(), ise = iseOf.value(t.toLower());
                const bool name = m.capturedStart() < e.word.size() && !rejected->contains(asName(t));
                unplaced.remove(asName(t));
                if (rejected->contains(t) && !name)
                    problems << where(e) + QStringLiteral("hunspell -d en_GB rejects \"%1\"").arg(t);
                else if (!ise.isEmpty() && !rejected->contains(ise))
                    problems << where(e) + QStringLiteral("\"%1\" is spelt \"%2\" here").arg(t, ise);
                unplaced.remove(t);
            }
        for (const QString &t : std::as_const(unplaced))
            problems << l.name + QStringLiteral(": hunspell -d en_GB rejects \"%1\"").arg(t);
        verifyNone(problems);
    }

    void nothingUnsuitableForChildren_data() { eachList_data(); }
    void nothingUnsuitableForChildren()
    {
        const GradedList &l = list();
        if (l.level && !l.level->forChildren)
            QSKIP("a list for grown-up learners");
        static const QSet<QString> blocked = wordSet(
                QStringLiteral("sex sexual sexy naked nude porn erotic prostitute brothel drug cocaine heroin cannabis "
                               "marijuana drunk "
                               "drunken alcoholic hangover booze tipsy suicide murder rape torture slaughter massacre "
                               "genocide behead stab "
                               "strangle corpse gore damn hell bloody crap piss arse bastard bitch shit fuck"));
        QStringList problems;
        for (const Entry &e : l.entries)
            for (const QString &t : tokens(e.word + u' ' + e.clue))
                if (roots(t).intersects(blocked))
                    problems << where(e) + QStringLiteral("\"%1\" does not belong in a list for children").arg(t);
        verifyNone(problems);
    }
};

QTEST_GUILESS_MAIN(tst_WordLists)
#include "tst_wordlists.moc"
