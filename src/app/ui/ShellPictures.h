#pragma once

#include <QImage>
#include <QString>

// A picture kept with the shell's windows (compiled into the program, see
// tools/windowart): the login list's highlight "BTN", "IMG_Config", the
// main window's entry pictures, the settings window's flags "F0", ...
// A null image for a name the program does not hold.
QImage ShellPicture(const QString& name);
