// Fuzzes the word list reader, the draw, the word list checker against the
// draw, and a short game on the drawn word.
// Input: two bytes of random value, one byte of letters to click, then the
// whole word list file.

#include "game/GameHandlers.h"
#include "game/WordList.h"
#include "game/WordListCheck.h"
#include "game/cScaffold.h"
#include "testsupport/FakeBoard.h"
#include "testsupport/FakePlatform.h"

#include <algorithm>
#include <cstdint>

namespace {

FakePlatform &SharedPlatform()
{
    static FakePlatform platform;
    return platform;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    FakePlatform &platform = SharedPlatform();
    platform.messages.clear();
    platform.answers.clear();
    const double random = ((data[0] << 8) | data[1]) / 65536.0;
    const int clicks = data[2] % 30;
    platform.randoms = {random};
    platform.writeWordList(QByteArray(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3)));

    FakeBoard board;
    // The checker agrees with the draw: a refused entry is an error on the
    // line the refusal names, a played one is no error.
    QString why;
    std::unique_ptr<TextInput> input = platform.openText(platform.wordListPath(), why);
    const WordListReport report = CheckWordList(std::move(input), why);
    bool refused = false;
    int line = 0;
    try {
        cScaffold ops(board, platform);
        const WordList::EntryLine drawn = ops.RetrieveString();
        QString word, meaning;
        ops.RetrieveNameMeaning(drawn, word, meaning);
        line = drawn.number;
    } catch (const WordListError &e) {
        refused = true;
        line = e.line;
    }
    const bool reported = std::any_of(report.findings.begin(), report.findings.end(), [&](const Finding &f) {
        return f.kind == Finding::Kind::Error && f.line == line;
    });
    if (refused != reported)
        __builtin_trap();
    platform.randoms = {random};

    QString vWord;
    int vMisses = 0;
    game::cStart_Click(board, platform, vWord, vMisses);
    if (!platform.messages.empty()) {
        // A refused list leaves the board as it was.
        if (!(board == FakeBoard()))
            __builtin_trap();
        return 0;
    }
    const size_t length = size_t(WordList::Cells(vWord).size());
    if (vWord.isEmpty() || length > size_t(Controls::WordCellCount))
        __builtin_trap();
    for (int i = 0; i < clicks; ++i) {
        const qint16 index = qint16((data[3 + size_t(i) % (size - 3)] + i * 7) % Controls::LetterCount);
        const FakeControl &cell = board.letter(QChar(u'A' + index));
        if (!cell.visible || !cell.enabled)
            continue;
        const size_t before = platform.messages.size();
        game::lLetters_Click(board, platform, vWord, vMisses, index);
        if (platform.messages.size() > before + 1 || vMisses < 0 || vMisses >= Controls::ChanceCount)
            __builtin_trap();
        if (board.visibleParts() != vMisses)
            __builtin_trap();
    }
    return 0;
}
