#pragma once

#include "platform/seam/Board.h"
#include "platform/seam/Platform.h"

#include <QString>

// The two game handlers of the main window. The window owns vWord and vMisses
// and passes them in.
namespace game {
void cStart_Click(Board &vBoard, Platform &vPlatform, QString &vWord, int &vMisses);
void lLetters_Click(Board &vBoard, Platform &vPlatform, const QString &vWord, int &vMisses, qint16 Index);
} // namespace game
