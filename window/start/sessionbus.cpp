// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/sessionbus.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace quorlin {

namespace {

    // How a bus met the first line of the handshake.
    enum class BusAnswer {
        Answered,
        Silent, // it took the connection, or kept it waiting, and said nothing in time
        Unreachable, // nothing listens there: the bus library fails at once on its own
        Unknown, // an address of a kind not tried here (tcp, launchd, ...)
    };

    using Clock = std::chrono::steady_clock;

    // The value of one key of an address ("unix:path=/run/user/1000/bus,guid=…"), with its %xx
    // escapes undone.
    std::optional<std::string> addressValue(std::string_view address, std::string_view key)
    {
        const std::size_t colon = address.find(':');
        if (colon == std::string_view::npos)
            return std::nullopt;
        std::string_view pairs = address.substr(colon + 1);
        while (!pairs.empty()) {
            const std::size_t comma = pairs.find(',');
            const std::string_view pair = pairs.substr(0, comma);
            pairs = comma == std::string_view::npos ? std::string_view() : pairs.substr(comma + 1);
            if (pair.size() <= key.size() || !pair.starts_with(key) || pair[key.size()] != '=')
                continue;
            std::string value;
            const std::string_view escaped = pair.substr(key.size() + 1);
            for (std::size_t i = 0; i < escaped.size(); ++i) {
                if (escaped[i] != '%') {
                    value += escaped[i];
                    continue;
                }
                unsigned byte = 0;
                if (i + 2 >= escaped.size()
                    || std::sscanf(std::string(escaped.substr(i + 1, 2)).c_str(), "%2x", &byte)
                        != 1)
                    return std::nullopt;
                value += static_cast<char>(byte);
                i += 2;
            }
            return value;
        }
        return std::nullopt;
    }

    // The socket address a "unix:" address names, or nothing for a kind this does not try.
    std::optional<sockaddr_un> unixSocketOf(std::string_view address)
    {
        if (!address.starts_with("unix:"))
            return std::nullopt;
        sockaddr_un socketAddress {};
        socketAddress.sun_family = AF_UNIX;
        std::string path;
        std::size_t offset = 0;
        if (const auto named = addressValue(address, "path")) {
            path = *named;
        } else if (const auto abstract = addressValue(address, "abstract")) {
            path = *abstract;
            offset = 1; // an abstract name starts with a zero byte
        } else {
            return std::nullopt;
        }
        if (path.empty() || offset + path.size() >= sizeof socketAddress.sun_path)
            return std::nullopt;
        std::memcpy(socketAddress.sun_path + offset, path.data(), path.size());
        return socketAddress;
    }

    int millisecondsLeft(Clock::time_point deadline)
    {
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        return left.count() > 0 ? static_cast<int>(left.count()) : 0;
    }

    struct Socket
    {
        int fd = -1;
        ~Socket()
        {
            if (fd >= 0)
                ::close(fd);
        }
    };

    // Connects within the deadline. A bus whose backlog is full refuses for the moment (EAGAIN):
    // that is a bus that does not take its connections, so keep trying until the deadline.
    BusAnswer connectBefore(
        const Socket& socket, const sockaddr_un& address, Clock::time_point deadline)
    {
        const socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path)
            + (address.sun_path[0] == '\0' ? 1 + std::strlen(address.sun_path + 1)
                                           : std::strlen(address.sun_path)));
        for (;;) {
            if (::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), length) == 0)
                return BusAnswer::Answered;
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN)
                return BusAnswer::Unreachable;
            if (millisecondsLeft(deadline) == 0)
                return BusAnswer::Silent;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    BusAnswer greet(const sockaddr_un& address, Clock::time_point deadline)
    {
        const Socket socket { ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0) };
        if (socket.fd < 0)
            return BusAnswer::Unknown;
        if (const BusAnswer connected = connectBefore(socket, address, deadline);
            connected != BusAnswer::Answered)
            return connected;
        // The handshake opens with a zero byte and an authentication request as this user; any
        // reply (accepted or rejected) shows that the bus is there to talk to.
        std::string hexUid;
        for (const char digit : std::to_string(::getuid())) {
            char pair[3];
            std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(digit));
            hexUid += pair;
        }
        const std::string request = std::string(1, '\0') + "AUTH EXTERNAL " + hexUid + "\r\n";
        if (::send(socket.fd, request.data(), request.size(), MSG_NOSIGNAL)
            != static_cast<ssize_t>(request.size()))
            return BusAnswer::Unreachable;
        pollfd reply { socket.fd, POLLIN, 0 };
        for (;;) {
            const int ready = ::poll(&reply, 1, millisecondsLeft(deadline));
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready <= 0)
                return BusAnswer::Silent;
            char byte = 0;
            return ::recv(socket.fd, &byte, 1, 0) == 1 ? BusAnswer::Answered
                                                       : BusAnswer::Unreachable;
        }
    }

    // Connects to the first address of the list that takes a connection, as the bus library does,
    // and greets it; waits at most `wait` in all.
    BusAnswer askSessionBus(std::string_view addresses, std::chrono::milliseconds wait)
    {
        const Clock::time_point deadline = Clock::now() + wait;
        while (!addresses.empty()) {
            const std::size_t semicolon = addresses.find(';');
            const std::string_view address = addresses.substr(0, semicolon);
            addresses = semicolon == std::string_view::npos ? std::string_view()
                                                            : addresses.substr(semicolon + 1);
            const std::optional<sockaddr_un> socketAddress = unixSocketOf(address);
            if (!socketAddress)
                return BusAnswer::Unknown;
            if (const BusAnswer answer = greet(*socketAddress, deadline);
                answer != BusAnswer::Unreachable)
                return answer;
        }
        return BusAnswer::Unreachable;
    }

} // namespace

void keepFromLaunchingSessionBus()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    // The bus library looks for the user bus here before it falls back to launching one.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus")))
        return;
    // An address of no known kind: connecting fails at once, without starting anything.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

void leaveOutSilentSessionBus()
{
    QByteArray addresses = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (addresses.isEmpty()) {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        if (runtime.isEmpty())
            return;
        addresses = "unix:path=" + runtime + "/bus";
    }
    if (askSessionBus(addresses.toStdString(), std::chrono::seconds(1)) != BusAnswer::Silent)
        return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    std::fputs("Quorlin no ha podido hablar con el bus de sesión, que no responde: los lectores de "
               "pantalla no podrán leer su ventana.\n",
        stderr);
}

} // namespace quorlin
