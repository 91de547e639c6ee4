// Renders the program's icon for the desktop's icon theme:
//   scaffold-icons OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/SIZExSIZE/apps/scaffold.png for each SIZE, painted by
// the same PaintAppIcon the window uses, so the desktop shows the same picture.

#include "window/AppIcon.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: scaffold-icons OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "scaffold-icons: not a size: %s\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(output).arg(size);
        const QString file = folder + QStringLiteral("/scaffold.png");
        if (!QDir().mkpath(folder) || !PaintAppIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "scaffold-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
