// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/binding.h"

#include <QString>

#include <optional>

namespace quorlin {

class ResultBox;

/// The result box: it shows the report with "\n" where the entry holds "\r\n", and the user's
/// edits go back with "\r\n". A screen reader hears each new report once, whole, when the
/// operation that wrote it piece by piece has ended, wherever the focus is.
class ReportBinding final : public Binding
{
    Q_OBJECT

public:
    ReportBinding(Control control, ResultBox& box, UserOperations& operations);

protected:
    void show(const StateChange& change) override;

private:
    void announceReport();

    ResultBox& m_box;
    // The report as a screen reader last heard it, while a new one waits to be announced.
    std::optional<QString> m_announcedReport;
};

} // namespace quorlin
