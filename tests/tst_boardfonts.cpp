#include "testsupport/Headless.h"
#include "window/BoardFonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QTest>

// The board's fonts for the three families of Debian's fonts-dejavu-core at a
// range of base sizes. The sizes the fitting chooses are fixed: each row is
// what the window has always shown, so a faster fitting must come to exactly
// the same sizes.
class tst_BoardFonts : public QObject
{
    Q_OBJECT

public:
    static void initMain() { Headless(); }

private slots:
    void theFittedSizesStayAsTheyAre_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("caption");
        QTest::addColumn<int>("cell");
        const struct
        {
            const char *family;
            int base;
            int caption;
            int cell;
        } rows[] = {
            {"DejaVu Sans", 6, 6, 8},
            {"DejaVu Sans", 7, 7, 8},
            {"DejaVu Sans", 8, 8, 8},
            {"DejaVu Sans", 9, 9, 8},
            {"DejaVu Sans", 10, 10, 8},
            {"DejaVu Sans", 11, 10, 8},
            {"DejaVu Sans", 12, 10, 8},
            {"DejaVu Sans", 13, 10, 8},
            {"DejaVu Sans", 14, 10, 8},
            {"DejaVu Sans", 15, 10, 8},
            {"DejaVu Sans", 16, 10, 8},
            {"DejaVu Sans", 17, 10, 8},
            {"DejaVu Sans", 18, 10, 8},
            {"DejaVu Sans", 19, 10, 8},
            {"DejaVu Sans", 20, 10, 8},
            {"DejaVu Sans", 21, 10, 8},
            {"DejaVu Sans", 22, 10, 8},
            {"DejaVu Sans", 23, 10, 8},
            {"DejaVu Sans", 24, 10, 8},
            {"DejaVu Sans", 25, 10, 8},
            {"DejaVu Sans", 26, 10, 8},
            {"DejaVu Sans", 27, 10, 8},
            {"DejaVu Sans", 28, 10, 8},
            {"DejaVu Sans", 29, 10, 8},
            {"DejaVu Sans", 30, 10, 8},
            {"DejaVu Sans", 31, 10, 8},
            {"DejaVu Sans", 32, 10, 8},
            {"DejaVu Sans", 33, 10, 8},
            {"DejaVu Sans", 34, 10, 8},
            {"DejaVu Sans", 35, 10, 8},
            {"DejaVu Sans", 36, 10, 8},
            {"DejaVu Sans", 37, 10, 8},
            {"DejaVu Sans", 38, 10, 8},
            {"DejaVu Sans", 39, 10, 8},
            {"DejaVu Sans", 40, 10, 8},
            {"DejaVu Serif", 6, 6, 7},
            {"DejaVu Serif", 7, 7, 7},
            {"DejaVu Serif", 8, 8, 7},
            {"DejaVu Serif", 9, 9, 7},
            {"DejaVu Serif", 10, 9, 7},
            {"DejaVu Serif", 11, 9, 7},
            {"DejaVu Serif", 12, 9, 7},
            {"DejaVu Serif", 13, 9, 7},
            {"DejaVu Serif", 14, 9, 7},
            {"DejaVu Serif", 15, 9, 7},
            {"DejaVu Serif", 16, 9, 7},
            {"DejaVu Serif", 17, 9, 7},
            {"DejaVu Serif", 18, 9, 7},
            {"DejaVu Serif", 19, 9, 7},
            {"DejaVu Serif", 20, 9, 7},
            {"DejaVu Serif", 21, 9, 7},
            {"DejaVu Serif", 22, 9, 7},
            {"DejaVu Serif", 23, 9, 7},
            {"DejaVu Serif", 24, 9, 7},
            {"DejaVu Serif", 25, 9, 7},
            {"DejaVu Serif", 26, 9, 7},
            {"DejaVu Serif", 27, 9, 7},
            {"DejaVu Serif", 28, 9, 7},
            {"DejaVu Serif", 29, 9, 7},
            {"DejaVu Serif", 30, 9, 7},
            {"DejaVu Serif", 31, 9, 7},
            {"DejaVu Serif", 32, 9, 7},
            {"DejaVu Serif", 33, 9, 7},
            {"DejaVu Serif", 34, 9, 7},
            {"DejaVu Serif", 35, 9, 7},
            {"DejaVu Serif", 36, 9, 7},
            {"DejaVu Serif", 37, 9, 7},
            {"DejaVu Serif", 38, 9, 7},
            {"DejaVu Serif", 39, 9, 7},
            {"DejaVu Serif", 40, 9, 7},
            {"DejaVu Sans Mono", 6, 6, 14},
            {"DejaVu Sans Mono", 7, 7, 14},
            {"DejaVu Sans Mono", 8, 8, 14},
            {"DejaVu Sans Mono", 9, 8, 14},
            {"DejaVu Sans Mono", 10, 8, 14},
            {"DejaVu Sans Mono", 11, 8, 14},
            {"DejaVu Sans Mono", 12, 8, 14},
            {"DejaVu Sans Mono", 13, 8, 14},
            {"DejaVu Sans Mono", 14, 8, 14},
            {"DejaVu Sans Mono", 15, 8, 14},
            {"DejaVu Sans Mono", 16, 8, 14},
            {"DejaVu Sans Mono", 17, 8, 14},
            {"DejaVu Sans Mono", 18, 8, 14},
            {"DejaVu Sans Mono", 19, 8, 14},
            {"DejaVu Sans Mono", 20, 8, 14},
            {"DejaVu Sans Mono", 21, 8, 14},
            {"DejaVu Sans Mono", 22, 8, 14},
            {"DejaVu Sans Mono", 23, 8, 14},
            {"DejaVu Sans Mono", 24, 8, 14},
            {"DejaVu Sans Mono", 25, 8, 14},
            {"DejaVu Sans Mono", 26, 8, 14},
            {"DejaVu Sans Mono", 27, 8, 14},
            {"DejaVu Sans Mono", 28, 8, 14},
            {"DejaVu Sans Mono", 29, 8, 14},
            {"DejaVu Sans Mono", 30, 8, 14},
            {"DejaVu Sans Mono", 31, 8, 14},
            {"DejaVu Sans Mono", 32, 8, 14},
            {"DejaVu Sans Mono", 33, 8, 14},
            {"DejaVu Sans Mono", 34, 8, 14},
            {"DejaVu Sans Mono", 35, 8, 14},
            {"DejaVu Sans Mono", 36, 8, 14},
            {"DejaVu Sans Mono", 37, 8, 14},
            {"DejaVu Sans Mono", 38, 8, 14},
            {"DejaVu Sans Mono", 39, 8, 14},
            {"DejaVu Sans Mono", 40, 8, 14},
        };
        for (const auto &row : rows)
            QTest::addRow("%s %d px", row.family, row.base) << QString::fromLatin1(row.family) << row.base << row.caption
                                                           << row.cell;
    }
    void theFittedSizesStayAsTheyAre()
    {
        QFETCH(QString, family);
        QFETCH(int, base);
        QFETCH(int, caption);
        QFETCH(int, cell);
        if (!QFontDatabase::hasFamily(family))
            QSKIP("the family is not installed (fonts-dejavu-core)");
        QFont font(family);
        font.setPixelSize(base);
        const QFont captionFont = BoardFonts::captionFont(font);
        QCOMPARE(captionFont.pixelSize(), caption);
        QCOMPARE(captionFont.family(), font.family());
        const QFont cellFont = BoardFonts::cellFont(captionFont);
        QCOMPARE(cellFont.pixelSize(), cell);
        QVERIFY(cellFont.bold());
    }
};

QTEST_MAIN(tst_BoardFonts)
#include "tst_boardfonts.moc"
