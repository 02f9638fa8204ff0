#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <cstring>
#include <string>

// The offscreen platform's default screen is 800 × 800; window tests want the
// 1024 × 768 screen the windows are laid out for. Writes the platform's screen
// configuration once and returns its path.
static std::string offscreenConfig()
{
    const QString path = QDir::tempPath() + QStringLiteral("/orvanta-offscreen-1024x768.json");
    if (!QFile::exists(path)) {
        // test binaries run in parallel: each writes its own copy, then renames it
        QFile f(path + QStringLiteral(".%1.part").arg(QCoreApplication::applicationPid()));
        if (f.open(QIODevice::WriteOnly)) {
            f.write(R"({"screens":[{"name":"s","x":0,"y":0,"width":1024,"height":768,"logicalDpi":96}]})");
            f.close();
            if (!QFile::rename(f.fileName(), path))
                QFile::remove(f.fileName()); // another run was first
        }
    }
    return path.toStdString();
}

int main(int argc, char** argv)
{
    // Test discovery runs the binaries at build time, without the ctest environment.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || std::strcmp(platform, "offscreen") == 0)
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + offscreenConfig()).c_str(), 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
