#pragma once

#include <QString>

// The help page the navigation bar's help button opens on a window, chosen by
// the window's form name ("frmTest2", "frmWyborCwiczenia", ...) and the
// program mode. Empty when the window has no help page (the button then does
// nothing).
QString HelpPageForForm(const QString& formName, int programMode);
