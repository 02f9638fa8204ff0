#pragma once

#include "Installation.h"
#include "TDrzewo.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Small installations for the course tests: the fixture folders "selko"
// (program mode 1) and "varda" (mode 2), and exercise files written inline.
namespace coursefx {

// A copy of fixture folder `name` in `tmp`; returns its path.
QString copyInstallation(const char* name, QTemporaryDir& tmp);

Installation installation(const QString& appDir, int programMode, int language = 0);

// An exercise file: <cwiczenie><config>...</config><body>body</body></cwiczenie>.
// `extraConfig` is inserted into config verbatim (param1, param2, ...).
QByteArray exerciseXml(int grupa, int typ, int poziom, const QString& title, const QString& extraConfig = {},
                       const QString& body = {});

// A minimal definitions file with the given groups (id, caption in language 0).
QByteArray definitionsXml(const QList<std::pair<int, QString>>& groups);

// One line per node of the flat list: indentation by depth, then
// "Kind FileName 'Caption'"; makes tree expectations readable.
QString describe(const QList<TElement*>& flat);

} // namespace coursefx
