#pragma once

#include <QIcon>
#include <QImage>

// The program's icon: a white window sheet in slanted perspective with a cyan
// strip along its top edge and a grey shadow at its right, on a transparent
// ground. Painted at any size, so every size is sharp.
QImage PaintAppIcon(int vSize);
QIcon AppIcon();
