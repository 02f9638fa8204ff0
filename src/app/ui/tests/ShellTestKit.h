#pragma once

#include "Installation.h"
#include "ShellDriving.h"
#include "ShellContext.h"
#include "ShellHooks.h"
#include "TUstawienia.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

// A fresh installation copied from the fixture (definitions, cfg.ini) with an
// empty Users folder, generated window backgrounds, the interface texts of
// language 0 loaded, program mode 1, the fake services, and hooks that record
// what they are asked.
struct ShellTestKit : FakeServices {
    ShellTestKit();

    QTemporaryDir tmp;
    ShellHooks hooks;

    QStringList helpPages;     // pages asked for
    int exitQuestions = 0;
    int minimized = 0;
    QStringList sounds;

    // AppDir + a relative path with "/".
    QString file(const QString& rel) const { return inst.appDir + QLatin1Char('/') + rel; }
    // Reloads the interface texts in `language`.
    void loadTexts(int language);
};
