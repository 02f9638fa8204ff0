#include "SoundServer.h"

#include "SkinFonts.h"

#include <QApplication>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

// One QApplication for the whole run (the video widget needs Qt Gui).
class WidgetsEnvironment final : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "media_tests";
        static char* argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
        InstallSkinFonts();
    }
    void TearDown() override
    {
        delete m_app;
        m_app = nullptr;
    }

private:
    QApplication* m_app = nullptr;
};

[[maybe_unused]] testing::Environment* const g_env = testing::AddGlobalTestEnvironment(new WidgetsEnvironment);

} // namespace

namespace mediatest {

QString SoundServerProblem()
{
    const QByteArray server = qgetenv("PULSE_SERVER");
    if (server.isEmpty())
        return QStringLiteral("PULSE_SERVER is not set: no sound server");
    if (!server.startsWith("unix:"))
        return {}; // a network server: let the test find out
    const QByteArray path = server.mid(5);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof(addr.sun_path))
        return QStringLiteral("PULSE_SERVER names a socket path that is too long");
    std::memcpy(addr.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return QStringLiteral("cannot make a socket");
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) == 0;
    ::close(fd);
    if (!ok)
        return QStringLiteral("the sound server at %1 does not answer").arg(QString::fromLocal8Bit(path));
    return {};
}

QString fixture(const QString& name)
{
    return QStringLiteral(FIXTURES_DIR "/") + name;
}

} // namespace mediatest
