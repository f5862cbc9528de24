// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "roll/rollstate.h"
#include "tests/support/scriptedrandom.h"
#include "window/frmtirardados.h"
#include "window/start/session.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cstdint>
#include <vector>

namespace quorlin::testing {

/// A started session on scripted draws (every draw a 1 unless told), its window shown.
struct Running
{
    explicit Running(std::vector<std::uint64_t> words = { wordForDraw(1, 20) })
        : random(std::move(words))
        , session(random)
    {
        session.start();
    }

    RollState& state() { return session.program().state(); }
    FrmTirarDados& window() { return session.window(); }

    template <typename Widget = QWidget> Widget* find(const QString& name)
    {
        return window().findChild<Widget*>(name);
    }
    QComboBox* combo(const QString& name) { return find<QComboBox>(name); }

    /// Makes the window active, as a desktop would, so that access keys reach it.
    bool activate()
    {
        window().activateWindow();
        return QTest::qWaitForWindowActive(&window());
    }

    /// The object name of the control that has the focus, or "" when none of them has it.
    QString focused()
    {
        for (QWidget* widget = QApplication::focusWidget(); widget;
             widget = widget->parentWidget()) {
            const QWidget* parent = widget->parentWidget();
            if (parent == &window() || (parent && parent->objectName() == u"FrameDatos"))
                return widget->objectName();
        }
        return {};
    }

    std::u16string report() { return state().text(Control::txtResultado); }

    ScriptedRandom random;
    Session session;
};

} // namespace quorlin::testing
