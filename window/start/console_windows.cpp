// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/console.h"

#include <string>
#include <windows.h>

namespace quorlin {

namespace {

    std::wstring wide(std::string_view text)
    {
        const int size = MultiByteToWideChar(
            CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
        std::wstring result(static_cast<std::size_t>(size), L'\0');
        MultiByteToWideChar(
            CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size);
        return result;
    }

    bool writeAll(HANDLE handle, std::string_view text)
    {
        while (!text.empty()) {
            DWORD written = 0;
            if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)
                || written == 0)
                return false;
            text.remove_prefix(written);
        }
        return true;
    }

    // A console shows UTF-16 whatever its code page, so the Spanish letters come out right.
    bool writeConsole(HANDLE console, std::wstring lines)
    {
        for (std::size_t at = lines.find(L'\n'); at != std::wstring::npos;
             at = lines.find(L'\n', at + 2))
            lines.insert(at, 1, L'\r');
        DWORD written = 0;
        return WriteConsoleW(
                   console, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr)
            && written == lines.size();
    }

} // namespace

bool writeFinalText(Channel channel, std::string_view text)
{
    const HANDLE given
        = GetStdHandle(channel == Channel::Answer ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (given != nullptr && given != INVALID_HANDLE_VALUE
        && GetFileType(given) != FILE_TYPE_UNKNOWN)
        return GetFileType(given) == FILE_TYPE_CHAR ? writeConsole(given, wide(text))
                                                    : writeAll(given, text);
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        // cmd.exe does not wait for a windowed program and has shown its prompt again: the text
        // starts on a line of its own.
        const bool written
            = console != INVALID_HANDLE_VALUE && writeConsole(console, L"\n" + wide(text));
        if (console != INVALID_HANDLE_VALUE)
            CloseHandle(console);
        FreeConsole();
        return written;
    }
    // Started from the desktop, with nowhere to write: the text is shown instead.
    const std::wstring shown = wide(text);
    return MessageBoxW(nullptr, shown.c_str(), L"Quorlin",
               MB_OK | MB_SETFOREGROUND
                   | (channel == Channel::Answer ? MB_ICONINFORMATION : MB_ICONWARNING))
        != 0;
}

} // namespace quorlin
