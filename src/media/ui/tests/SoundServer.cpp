#include "SoundServer.h"


#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

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
