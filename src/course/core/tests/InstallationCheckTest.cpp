#include "InstallationCheck.h"

#include "CourseFixtures.h"
#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

static bool hasLine(const QStringList& lines, const QString& start)
{
    for (const QString& l : lines)
        if (l.startsWith(start))
            return true;
    return false;
}

TEST(InstallationCheck, ListsEveryProblemAndAsksKindsForTheirBodies)
{
    QTemporaryDir tmp;
    const QString dir = coursefx::copyInstallation("selko", tmp);
    testsupport::writeAll(dir + "/Config/cfg.ini", ("[DEFAULT]\r\nCD=" + dir + "/cd\r\n").toUtf8());
    const Installation inst = coursefx::installation(dir, 1);

    BodyCheckerRegistry bodies;
    QStringList seen;
    bodies.add(8, [&](const BodyCheckContext& c, QStringList& problems) {
        seen.append(c.fileName);
        if (!c.document.cwiczenie().body().node().first_child())
            problems.append("empty body");
    });
    bodies.add(3, [&](const BodyCheckContext& c, QStringList&) { seen.append(c.fileName); });

    const InstallationReport r = CheckInstallation(inst, bodies);
    EXPECT_EQ(r.problems, (QStringList{
                              "Dane\\3ob_01.xml: empty body",
                              "Dane\\pc_01.xml: package element file Dane\\Paczki\\pc_b.xml is missing",
                          }));
    EXPECT_EQ(seen, (QStringList{"3ob_01.xml", "Paczki\\pc_a.xml"}));
    EXPECT_TRUE(hasLine(r.warnings, "Dane\\odk_inne.xml: root element is <inne>"));
    EXPECT_TRUE(hasLine(r.warnings, "Dane\\odk_99.xml: group 77 is not defined"));
    EXPECT_TRUE(hasLine(r.warnings, "Dane\\tf_01.xml: not part of the course in mode 1"));
    EXPECT_TRUE(hasLine(r.warnings, "Dane\\zda_02.xml: kind 41 has no exercise window"));
    EXPECT_TRUE(hasLine(r.warnings, "Dane\\dial_02.xml: container offers no mode"));
    EXPECT_FALSE(r.ok());
}

TEST(InstallationCheck, BrokenConfigurationDefinitionsAndFiles)
{
    QTemporaryDir tmp;
    const QString dir = coursefx::copyInstallation("selko", tmp);
    testsupport::writeAll(dir + "/Config/cfg.ini", "[DEFAULT]\r\n");
    testsupport::writeAll(dir + "/Dane/odk_02.xml", "<cwiczenie>");
    testsupport::writeAll(dir + "/Dane/odk_03.xml", coursefx::exerciseXml(1, 100, 1, "x", "<param1>1</param1>"));
    const Installation inst = coursefx::installation(dir, 1);
    InstallationReport r = CheckInstallation(inst, {});
    EXPECT_TRUE(hasLine(r.problems, QStringLiteral("Config\\cfg.ini: Błąd pliku konfiguracyjnego!")));
    EXPECT_TRUE(hasLine(r.problems, "Dane\\odk_02.xml: unreadable XML"));
    EXPECT_TRUE(hasLine(r.problems, "Dane\\odk_03.xml: envelope cannot be read: missing integer value: param2"));
    EXPECT_TRUE(hasLine(r.problems, QStringLiteral("course scan: Błąd podczas analizowania pliku ćwiczenia.")));

    testsupport::writeAll(dir + "/Config/definitions.xml", "<definitions>");
    r = CheckInstallation(inst, {});
    EXPECT_TRUE(hasLine(r.problems, QStringLiteral("Config\\definitions.xml: Błąd podczas odczytu pliku definicji.")));
}
