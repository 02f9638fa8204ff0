#pragma once

#include "Installation.h"

#include "TestSupport.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// An installation whose Users folder is a copy of the profiles fixture:
// 1 Łucja (password, default UTF-16 settings), 2 Paweł Żak (recordings with a
// subfolder, trainer statistics, UTF-8 settings with a comment), 3 Ola (broken
// settings file).
struct ProfilesFixture : testing::Test {
    QTemporaryDir tmp;
    Installation inst;
    QString users; // the Users folder, with a trailing slash

    void SetUp() override
    {
        inst.appDir = testsupport::copyFixture(QStringLiteral(FIXTURES_DIR "/profiles"), tmp);
        users = inst.appDir + "/Users/";
    }
    bool exists(const QString& name) const { return QFileInfo::exists(users + name); }
};
