// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/reportbinding.h"

#include "window/announcement.h"
#include "window/resultbox.h"
#include "window/useroperations.h"

#include <QAccessible>
#include <QSignalBlocker>

namespace quorlin {

using namespace Qt::StringLiterals;

ReportBinding::ReportBinding(Control control, ResultBox& box, UserOperations& operations)
    : Binding(control, box, operations)
    , m_box(box)
{
    show({ .control = control, .kind = ChangeKind::Text });
    connect(&m_box, &ResultBox::textChanged, this, [this] {
        const std::u16string text = m_box.toPlainText().replace(u'\n', u"\r\n"_s).toStdU16String();
        this->operations().perform([&] { state().editText(this->control(), text); });
    });
}

void ReportBinding::show(const StateChange& change)
{
    if (change.kind != ChangeKind::Text)
        return;
    if (QAccessible::isActive() && !m_announcedReport) {
        m_announcedReport = m_box.toPlainText();
        QMetaObject::invokeMethod(
            this, [this] { announceReport(); }, Qt::QueuedConnection);
    }
    // The program's own text must not come back as the user's edit.
    const QSignalBlocker blocker(m_box);
    m_box.setPlainText(
        QString::fromStdU16String(state().text(control())).replace(u"\r\n"_s, u"\n"_s));
}

void ReportBinding::announceReport()
{
    const QString before = m_announcedReport.value_or(QString());
    m_announcedReport.reset();
    const QString now = m_box.toPlainText();
    if (now == before)
        return;
    QAccessibleTextUpdateEvent changed(&m_box, 0, before, now);
    QAccessible::updateAccessibility(&changed);
    announce(&m_box, spokenReport(now));
}

} // namespace quorlin
