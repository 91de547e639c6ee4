#include "window/AppIcon.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
// The sheet's corners on a unit square, leaning to the right as if seen from
// below and to the left.
QPolygonF Sheet(double vSize, QPointF vOffset = {})
{
    const QPointF corners[] = {{0.20, 0.12}, {0.86, 0.20}, {0.76, 0.88}, {0.08, 0.80}};
    QPolygonF sheet;
    for (const QPointF &corner : corners)
        sheet << corner * vSize + vOffset;
    return sheet;
}
} // namespace

QImage PaintAppIcon(int vSize)
{
    QImage image(vSize, vSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double size = vSize;
    const double pen = std::max(1.0, size / 32.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(128, 128, 128));
    painter.drawPolygon(Sheet(size, QPointF(size * 0.08, size * 0.05)));

    const QPolygonF sheet = Sheet(size);
    painter.setBrush(Qt::white);
    painter.drawPolygon(sheet);

    // The strip runs along the top edge, a fifth of the sheet deep.
    const double depth = 0.2;
    const QPointF left = sheet[0] + (sheet[3] - sheet[0]) * depth;
    const QPointF right = sheet[1] + (sheet[2] - sheet[1]) * depth;
    painter.setBrush(QColor(0, 255, 255));
    painter.drawPolygon(QPolygonF{sheet[0], sheet[1], right, left});

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolygon(sheet);
    painter.drawLine(left, right);
    return image;
}

namespace {

// Paints the icon at the size asked for, when it is first asked for, so that
// a platform that shows no window icon never paints one.
class PaintedIconEngine : public QIconEngine
{
public:
    void paint(QPainter *vPainter, const QRect &vRect, QIcon::Mode vMode, QIcon::State vState) override
    {
        vPainter->drawPixmap(vRect, pixmap(vRect.size(), vMode, vState));
    }
    QPixmap pixmap(const QSize &vSize, QIcon::Mode, QIcon::State) override
    {
        const int side = std::max(1, std::min(vSize.width(), vSize.height()));
        QPixmap &painted = m_painted[side];
        if (painted.isNull())
            painted = QPixmap::fromImage(PaintAppIcon(side));
        return painted;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(32, 32), QSize(48, 48)};
    }
    QIconEngine *clone() const override { return new PaintedIconEngine(*this); }
    QString key() const override { return QStringLiteral("PaintedIconEngine"); }

private:
    QHash<int, QPixmap> m_painted;
};

} // namespace

QIcon AppIcon()
{
    return QIcon(new PaintedIconEngine);
}
