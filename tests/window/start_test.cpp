// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/testsupport.h"
#include "window/start/busaddress.h"
#include "window/start/librarymessages.h"
#include "window/start/sessionbus.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <netinet/in.h>
#include <ostream>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace quorlin {

// Names the outcome in a failing row's message.
void PrintTo(SessionBusChoice::Outcome outcome, std::ostream* out)
{
    static constexpr const char* names[] = { "Kept", "Silent", "Launcher", "None" };
    *out << names[static_cast<int>(outcome)];
}

} // namespace quorlin

using namespace quorlin;
using namespace quorlin::testing;

namespace {

// Each address read, as "socket PATH" (an abstract name after "@"), "tcp HOST:PORT FAMILY",
// "launcher METHOD" or "unusable", joined by " | ".
std::string describe(std::string_view addresses)
{
    std::string described;
    for (const BusAddress& address : readBusAddresses(addresses)) {
        if (!described.empty())
            described += " | ";
        switch (address.kind) {
        case BusKind::Socket:
            described += "socket "
                + (address.socketPath[0] == '\0' ? '@' + address.socketPath.substr(1)
                                                 : address.socketPath);
            break;
        case BusKind::Tcp:
            described += "tcp " + address.host + ':' + address.port + ' ' + address.family;
            break;
        case BusKind::Launcher:
            described += "launcher " + address.method;
            break;
        case BusKind::Unusable:
            described += "unusable";
            break;
        }
    }
    return described;
}

struct AddressCase : NamedCase
{
    const char* addresses = "";
    const char* read = "";
};

class ReadBusAddresses : public ::testing::TestWithParam<AddressCase>
{
};

TEST_P(ReadBusAddresses, ReadsEachEntryAsTheBusLibraryWould)
{
    EXPECT_EQ(describe(GetParam().addresses), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Addresses, ReadBusAddresses,
    ::testing::Values(
        AddressCase { { "UnixPath" }, "unix:path=/run/user/1000/bus", "socket /run/user/1000/bus" },
        AddressCase { { "GuidBeforePath" }, "unix:guid=0f1e,path=/run/bus", "socket /run/bus" },
        AddressCase { { "Escapes" }, "unix:path=/tmp/tirada%2c50%25%3dd20/bus",
            "socket /tmp/tirada,50%=d20/bus" },
        AddressCase { { "Abstract" }, "unix:abstract=/tmp/dbus-Xy,guid=1", "socket @/tmp/dbus-Xy" },
        AddressCase {
            { "Tcp" }, "tcp:host=127.0.0.1,port=4000,family=ipv4", "tcp 127.0.0.1:4000 ipv4" },
        AddressCase { { "TcpWithoutHost" }, "tcp:port=4000", "tcp localhost:4000 " },
        AddressCase { { "NonceTcp" }, "nonce-tcp:host=::1,port=5,noncefile=/tmp/n", "tcp ::1:5 " },
        AddressCase { { "TcpWithoutPort" }, "tcp:host=localhost", "unusable" },
        AddressCase { { "Autolaunch" }, "autolaunch:", "launcher autolaunch" },
        AddressCase { { "Unixexec" }, "unixexec:path=/bin/sh,argv1=-c", "launcher unixexec" },
        AddressCase {
            { "Launchd" }, "launchd:env=DBUS_LAUNCHD_SESSION_BUS_SOCKET", "launcher launchd" },
        AddressCase { { "ListeningOnly" }, "systemd:;unix:tmpdir=/tmp;unix:runtime=yes",
            "unusable | unusable | unusable" },
        AddressCase { { "UnknownKind" }, "disabled:", "unusable" },
        AddressCase { { "PathAndAbstract" }, "unix:path=/a,abstract=b", "unusable" },
        AddressCase {
            { "BrokenEscapes" }, "unix:path=/a%2;unix:path=/a%zz", "unusable | unusable" },
        AddressCase { { "NoColon" }, "unix", "unusable" },
        AddressCase { { "Several" }, "autolaunch:;unix:path=/a;;tcp:port=1",
            "launcher autolaunch | socket /a | tcp localhost:1 " }),
    caseName);

TEST(EscapeBusValue, APathReadsBackWhole)
{
    const std::string path = "/run/user/1000/a,b;c=d%e ñ/bus";
    const std::vector<BusAddress> read = readBusAddresses("unix:path=" + escapeBusValue(path));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].socketPath, path);
}

enum class Bus { None, Unix, Abstract, Tcp };

// A bus on a socket of its own: it takes one connection, reads the greeting and replies after
// the given time, or never.
class FakeBus
{
public:
    FakeBus(Bus kind, std::chrono::milliseconds replyAfter, bool replies)
    {
        m_listener = ::socket(kind == Bus::Tcp ? AF_INET : AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (kind == Bus::Tcp) {
            sockaddr_in local {};
            local.sin_family = AF_INET;
            local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            socklen_t size = sizeof local;
            ::bind(m_listener, reinterpret_cast<sockaddr*>(&local), size);
            ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&local), &size);
            address = "tcp:host=127.0.0.1,port=" + std::to_string(ntohs(local.sin_port));
        } else if (kind == Bus::Abstract) {
            // An abstract name is as long as the address says: no zero byte ends it.
            const std::string name = "quorlin-bus-" + std::to_string(::getpid());
            sockaddr_un local {};
            local.sun_family = AF_UNIX;
            name.copy(local.sun_path + 1, sizeof local.sun_path - 2);
            ::bind(m_listener, reinterpret_cast<sockaddr*>(&local),
                static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size()));
            address = "unix:abstract=" + escapeBusValue(name);
        } else {
            char folder[] = "/tmp/quorlin-bus-XXXXXX";
            m_folder = ::mkdtemp(folder);
            sockaddr_un local {};
            local.sun_family = AF_UNIX;
            const std::string path = m_folder + "/bus";
            path.copy(local.sun_path, sizeof local.sun_path - 1);
            ::bind(m_listener, reinterpret_cast<sockaddr*>(&local), sizeof local);
            address = "unix:path=" + escapeBusValue(path);
        }
        ::listen(m_listener, 1);
        m_thread = std::thread([this, replyAfter, replies] {
            m_client = ::accept(m_listener, nullptr, nullptr);
            char greeting[64];
            if (m_client < 0 || ::recv(m_client, greeting, sizeof greeting, 0) <= 0 || !replies)
                return;
            std::this_thread::sleep_for(replyAfter);
            ::send(m_client, "REJECTED EXTERNAL\r\n", 19, MSG_NOSIGNAL);
        });
    }

    ~FakeBus()
    {
        ::shutdown(m_listener, SHUT_RDWR);
        m_thread.join();
        ::close(m_client);
        ::close(m_listener);
        if (!m_folder.empty())
            std::filesystem::remove_all(m_folder);
    }

    std::string address;

private:
    int m_listener = -1;
    int m_client = -1;
    std::string m_folder;
    std::thread m_thread;
};

using Outcome = SessionBusChoice::Outcome;

struct ChoiceCase : NamedCase
{
    Bus bus = Bus::None;
    bool replies = true;
    const char* before = ""; ///< addresses listed before the bus's own
    Outcome outcome = Outcome::Kept;
};

class ChooseSessionBus : public ::testing::TestWithParam<ChoiceCase>
{
};

TEST_P(ChooseSessionBus, KeepsTheFirstBusThatTakesAConnectionOnlyIfItAnswers)
{
    const ChoiceCase& row = GetParam();
    std::optional<FakeBus> bus;
    if (row.bus != Bus::None)
        bus.emplace(row.bus, std::chrono::milliseconds(20), row.replies);
    const std::string own = bus ? bus->address : std::string();
    const SessionBusChoice choice
        = chooseSessionBus(std::string(row.before) + own, std::chrono::milliseconds(400));
    EXPECT_EQ(choice.outcome, row.outcome);
    EXPECT_EQ(choice.address, row.outcome == Outcome::Kept ? own : "disabled:");
}

INSTANTIATE_TEST_SUITE_P(Buses, ChooseSessionBus,
    ::testing::Values(ChoiceCase { { "AnswersAfterTwentyMs" }, Bus::Unix },
        ChoiceCase { { "NeverAnswers" }, Bus::Unix, false, "", Outcome::Silent },
        ChoiceCase { { "AbstractAnswers" }, Bus::Abstract },
        ChoiceCase { { "TcpAnswers" }, Bus::Tcp },
        ChoiceCase { { "TcpNeverAnswers" }, Bus::Tcp, false, "", Outcome::Silent },
        ChoiceCase {
            { "AfterAnAddressNothingListensAt" }, Bus::Unix, true, "unix:path=/nonexistent/bus;" },
        ChoiceCase { { "AfterALauncher" }, Bus::Unix, true, "autolaunch:;" },
        ChoiceCase {
            { "LauncherOnly" }, Bus::None, true, "unixexec:path=/bin/true", Outcome::Launcher },
        ChoiceCase { { "UnknownKindOnly" }, Bus::None, true, "disabled:", Outcome::None }),
    caseName);

struct LocaleCase : NamedCase
{
    const char* locales = "";
    const char* languages = "";
};

class FontLanguages : public ::testing::TestWithParam<LocaleCase>
{
};

TEST_P(FontLanguages, LeavesOutWhatTheFontLibraryWouldWarnOf)
{
    EXPECT_EQ(fontLanguages(GetParam().locales), GetParam().languages);
}

INSTANTIATE_TEST_SUITE_P(Locales, FontLanguages,
    ::testing::Values(LocaleCase { { "Spanish" }, "es_ES.UTF-8", "es_ES.UTF-8" },
        LocaleCase { { "Neutral" }, "C.UTF-8", "C.UTF-8" },
        LocaleCase { { "NoLanguage" }, "bogus_XX.UTF-8", "en" },
        LocaleCase { { "NeutralMisspelt" }, "C.UTF-8x", "en" },
        LocaleCase { { "OneOfSeveral" }, "de:@@:fr_FR", "de:fr_FR" }),
    caseName);

} // namespace
