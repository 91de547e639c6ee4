#include "testsupport/Headless.h"
#include "window/BoardFonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QTest>

// The board's fonts for the three families of Debian's fonts-dejavu-core. The
// sizes the fitting chooses are fixed: each row is what the window has always
// shown, so a faster fitting must come to exactly the same sizes. The rows are
// the ones that decide: the extremes, the default, and either side of where
// the caption stops fitting at the base size.
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
                // The smallest base, and the largest.
                {"DejaVu Sans", 6, 6, 8},
                {"DejaVu Sans", 40, 10, 8},
                // The default: 9 points at 96 dpi.
                {"DejaVu Sans", 12, 10, 8},
                // Either side of the size where the caption no longer fits as is.
                {"DejaVu Sans", 10, 10, 8},
                {"DejaVu Sans", 11, 10, 8},
                {"DejaVu Serif", 9, 9, 7},
                {"DejaVu Serif", 10, 9, 7},
                {"DejaVu Sans Mono", 8, 8, 14},
                {"DejaVu Sans Mono", 9, 8, 14},
        };
        for (const auto &row : rows) {
#if defined(Q_OS_WIN)
            // Where the caption stops fitting lies a pixel apart under the
            // hinting Qt's FreeType has on Windows (the offscreen platform of
            // the tests); the rows on either side of it are Linux's.
            if ((row.base == 11 && row.family == QLatin1String("DejaVu Sans"))
                || (row.base == 9 && row.family == QLatin1String("DejaVu Sans Mono")))
                continue;
#endif
            QTest::addRow("%s %d px", row.family, row.base)
                    << QString::fromLatin1(row.family) << row.base << row.caption << row.cell;
        }
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
