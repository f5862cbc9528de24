// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "runtime/error.h"
#include "runtime/host.h"

#include <vector>

namespace quorlin::testing {

/// A host without a window: remembers what it was asked to do.
class RecordingHost final : public Host
{
public:
    void endProgram() override { ++endRequests; }
    void reportError(const Error& error) override { reported.push_back(error.kind()); }

    int endRequests = 0;
    std::vector<ErrorKind> reported;
};

} // namespace quorlin::testing
