// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/busaddress.h"

#include <cstddef>
#include <map>
#include <optional>

namespace quorlin {

namespace {

    std::optional<int> hexDigit(char digit)
    {
        if (digit >= '0' && digit <= '9')
            return digit - '0';
        if (digit >= 'a' && digit <= 'f')
            return digit - 'a' + 10;
        if (digit >= 'A' && digit <= 'F')
            return digit - 'A' + 10;
        return std::nullopt;
    }

    std::optional<std::string> unescape(std::string_view escaped)
    {
        std::string value;
        for (std::size_t i = 0; i < escaped.size(); ++i) {
            if (escaped[i] != '%') {
                value += escaped[i];
                continue;
            }
            const auto high = i + 2 < escaped.size() ? hexDigit(escaped[i + 1]) : std::nullopt;
            const auto low = high ? hexDigit(escaped[i + 2]) : std::nullopt;
            if (!low)
                return std::nullopt;
            value += static_cast<char>(*high * 16 + *low);
            i += 2;
        }
        return value;
    }

    // Splits on a separator; an empty text gives no pieces.
    std::vector<std::string_view> split(std::string_view text, char separator)
    {
        std::vector<std::string_view> pieces;
        while (!text.empty()) {
            const std::size_t at = text.find(separator);
            pieces.push_back(text.substr(0, at));
            text = at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
        }
        return pieces;
    }

    BusAddress readEntry(std::string_view entry)
    {
        BusAddress address;
        address.entry = entry;
        const std::size_t colon = entry.find(':');
        if (colon == std::string_view::npos || colon == 0)
            return address;
        address.method = entry.substr(0, colon);
        std::map<std::string, std::string, std::less<>> values;
        for (const std::string_view pair : split(entry.substr(colon + 1), ',')) {
            const std::size_t equals = pair.find('=');
            const auto value = equals == std::string_view::npos || equals == 0
                ? std::nullopt
                : unescape(pair.substr(equals + 1));
            if (!value)
                return address;
            values.emplace(pair.substr(0, equals), *value);
        }
        const auto valueOf = [&](std::string_view key) {
            const auto found = values.find(key);
            return found == values.end() ? std::optional<std::string>() : found->second;
        };

        const std::string& method = address.method;
        if (method == "autolaunch" || method == "unixexec" || method == "launchd") {
            address.kind = BusKind::Launcher;
        } else if (method == "unix") {
            // dir=, tmpdir= and runtime= only serve a bus daemon that listens.
            const auto path = valueOf("path");
            const auto abstract = valueOf("abstract");
            if (path.has_value() != abstract.has_value()) {
                address.socketPath = path ? *path : '\0' + *abstract;
                address.kind = address.socketPath.size() > 1 ? BusKind::Socket : BusKind::Unusable;
            }
        } else if (method == "tcp" || method == "nonce-tcp") {
            const auto port = valueOf("port");
            if (port && !port->empty() && (method == "tcp" || valueOf("noncefile"))) {
                address.kind = BusKind::Tcp;
                address.host = valueOf("host").value_or("localhost");
                address.port = *port;
                address.family = valueOf("family").value_or("");
            }
        }
        return address;
    }

} // namespace

std::vector<BusAddress> readBusAddresses(std::string_view addresses)
{
    std::vector<BusAddress> read;
    for (const std::string_view entry : split(addresses, ';'))
        if (!entry.empty())
            read.push_back(readEntry(entry));
    return read;
}

std::string escapeBusValue(std::string_view value)
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string escaped;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z')
            || (byte >= 'A' && byte <= 'Z') || c == '-' || c == '_' || c == '/' || c == '.'
            || c == '\\' || c == '*';
        if (plain) {
            escaped += c;
        } else {
            escaped += '%';
            escaped += hex[byte >> 4];
            escaped += hex[byte & 0xF];
        }
    }
    return escaped;
}

} // namespace quorlin
