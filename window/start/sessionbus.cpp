// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/sessionbus.h"

#include "window/start/busaddress.h"

#include <QByteArray>
#include <QtGlobal>

#include <cerrno>
#include <condition_variable>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace quorlin {

namespace {

    // How a bus met the first line of the handshake.
    enum class BusAnswer {
        Answered, // it replied, or ended the connection: the bus library will not wait on it
        Silent, // it took the connection, or kept it waiting, and said nothing in time
        Unreachable, // nothing listens there: the bus library fails at once and tries the next
    };

    using Clock = std::chrono::steady_clock;

    struct Endpoint
    {
        sockaddr_storage address {};
        socklen_t length = 0;
    };

    int millisecondsLeft(Clock::time_point deadline)
    {
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        return left.count() > 0 ? static_cast<int>(left.count()) : 0;
    }

    // Waits for the event on the socket until the deadline; false when the time is up.
    bool await(int fd, short event, Clock::time_point deadline)
    {
        pollfd ready { fd, event, 0 };
        for (;;) {
            const int count = ::poll(&ready, 1, millisecondsLeft(deadline));
            if (count < 0 && errno == EINTR)
                continue;
            return count > 0;
        }
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

    // A bus whose backlog is full refuses for the moment (EAGAIN): that is a bus that does not
    // take its connections, so keep trying until the deadline.
    BusAnswer connectBefore(const Socket& socket, const Endpoint& to, Clock::time_point deadline)
    {
        for (;;) {
            if (::connect(socket.fd, reinterpret_cast<const sockaddr*>(&to.address), to.length)
                == 0)
                return BusAnswer::Answered;
            if (errno == EINTR)
                continue;
            if (errno == EINPROGRESS) {
                if (!await(socket.fd, POLLOUT, deadline))
                    return BusAnswer::Silent;
                int failure = 0;
                socklen_t size = sizeof failure;
                ::getsockopt(socket.fd, SOL_SOCKET, SO_ERROR, &failure, &size);
                return failure == 0 ? BusAnswer::Answered : BusAnswer::Unreachable;
            }
            if (errno != EAGAIN)
                return BusAnswer::Unreachable;
            if (millisecondsLeft(deadline) == 0)
                return BusAnswer::Silent;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    BusAnswer greet(const Endpoint& to, Clock::time_point deadline)
    {
        const Socket socket { ::socket(
            to.address.ss_family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0) };
        if (socket.fd < 0)
            return BusAnswer::Unreachable;
        if (const BusAnswer connected = connectBefore(socket, to, deadline);
            connected != BusAnswer::Answered)
            return connected;
        // The handshake opens with a zero byte and an authentication request as this user; any
        // reply (accepted or rejected), or the end of the connection, shows that the bus will
        // not keep the bus library waiting.
        std::string hexUid;
        for (const char digit : std::to_string(::getuid())) {
            char pair[3];
            std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(digit));
            hexUid += pair;
        }
        const std::string request = std::string(1, '\0') + "AUTH EXTERNAL " + hexUid + "\r\n";
        if (::send(socket.fd, request.data(), request.size(), MSG_NOSIGNAL)
            != static_cast<ssize_t>(request.size()))
            return BusAnswer::Answered;
        return await(socket.fd, POLLIN, deadline) ? BusAnswer::Answered : BusAnswer::Silent;
    }

    // The endpoints of a tcp address, or nothing when the name is not resolved by the deadline.
    // The lookup may wait on a name server for many seconds, so it runs on a thread of its own
    // that is left behind if need be; it ends with the process.
    std::optional<std::vector<Endpoint>> resolveBefore(
        const BusAddress& address, Clock::time_point deadline)
    {
        struct Lookup
        {
            std::mutex mutex;
            std::condition_variable done;
            bool finished = false;
            std::vector<Endpoint> endpoints;
        };
        const auto lookup = std::make_shared<Lookup>();
        addrinfo hints {};
        hints.ai_family = address.family == "ipv4" ? AF_INET
            : address.family == "ipv6"             ? AF_INET6
                                                   : AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        hints.ai_flags = AI_ADDRCONFIG;
        std::thread([lookup, hints, host = address.host, port = address.port] {
            addrinfo* found = nullptr;
            std::vector<Endpoint> endpoints;
            if (::getaddrinfo(host.c_str(), port.c_str(), &hints, &found) == 0) {
                for (const addrinfo* each = found; each; each = each->ai_next) {
                    Endpoint endpoint;
                    std::memcpy(&endpoint.address, each->ai_addr, each->ai_addrlen);
                    endpoint.length = each->ai_addrlen;
                    endpoints.push_back(endpoint);
                }
                ::freeaddrinfo(found);
            }
            const std::lock_guard lock(lookup->mutex);
            lookup->endpoints = std::move(endpoints);
            lookup->finished = true;
            lookup->done.notify_one();
        }).detach();
        std::unique_lock lock(lookup->mutex);
        if (!lookup->done.wait_until(lock, deadline, [&] { return lookup->finished; }))
            return std::nullopt;
        return lookup->endpoints;
    }

    std::vector<Endpoint> socketEndpoint(const BusAddress& address)
    {
        Endpoint endpoint;
        sockaddr_un& local = reinterpret_cast<sockaddr_un&>(endpoint.address);
        local.sun_family = AF_UNIX;
        if (address.socketPath.size() >= sizeof local.sun_path)
            return {};
        std::memcpy(local.sun_path, address.socketPath.data(), address.socketPath.size());
        endpoint.length
            = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + address.socketPath.size());
        return { endpoint };
    }

    // A socket of this user's at the path, as the bus library wants before it takes the user bus.
    bool isOwnSocket(const std::string& path)
    {
        struct stat status
        {
        };
        return ::stat(path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode)
            && status.st_uid == ::getuid();
    }

} // namespace

SessionBusChoice chooseSessionBus(std::string_view addresses, std::chrono::milliseconds wait)
{
    const Clock::time_point deadline = Clock::now() + wait;
    bool launcher = false;
    for (const BusAddress& address : readBusAddresses(addresses)) {
        launcher = launcher || address.kind == BusKind::Launcher;
        if (address.kind != BusKind::Socket && address.kind != BusKind::Tcp)
            continue;
        std::optional<std::vector<Endpoint>> endpoints = address.kind == BusKind::Socket
            ? socketEndpoint(address)
            : resolveBefore(address, deadline);
        if (!endpoints)
            return { SessionBusChoice::Outcome::Silent, "disabled:" };
        for (const Endpoint& endpoint : *endpoints) {
            switch (greet(endpoint, deadline)) {
            case BusAnswer::Answered:
                return { SessionBusChoice::Outcome::Kept, address.entry };
            case BusAnswer::Silent:
                return { SessionBusChoice::Outcome::Silent, "disabled:" };
            case BusAnswer::Unreachable:
                break;
            }
        }
    }
    // An address of no known kind: connecting fails at once, without starting anything.
    return { launcher ? SessionBusChoice::Outcome::Launcher : SessionBusChoice::Outcome::None,
        "disabled:" };
}

void settleSessionBus()
{
    std::string addresses = qgetenv("DBUS_SESSION_BUS_ADDRESS").toStdString();
    if (addresses.empty()) {
        // The bus library takes the user bus from here; without one it would launch a bus.
        const std::string runtime = qgetenv("XDG_RUNTIME_DIR").toStdString();
        if (!runtime.empty() && isOwnSocket(runtime + "/bus"))
            addresses = "unix:path=" + escapeBusValue(runtime + "/bus");
    }
    const SessionBusChoice choice = chooseSessionBus(addresses, std::chrono::seconds(1));
    qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArray::fromStdString(choice.address));
    if (choice.outcome == SessionBusChoice::Outcome::Silent)
        std::fputs("Quorlin no ha podido hablar con el bus de sesión, que no responde: los "
                   "lectores de pantalla no podrán leer su ventana.\n",
            stderr);
    else if (choice.outcome == SessionBusChoice::Outcome::Launcher)
        std::fputs("Quorlin no arranca otros programas, y el bus de sesión tendría que arrancar "
                   "uno: los lectores de pantalla no podrán leer su ventana.\n",
            stderr);
}

} // namespace quorlin
