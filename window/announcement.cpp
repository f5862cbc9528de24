// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/announcement.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

namespace quorlin {

using namespace Qt::StringLiterals;

namespace {

    // "07" is said "seven", not "zero seven"; "00" stands for 100.
    QString spokenDie(const QString& die)
    {
        if (die == u"00")
            return u"100"_s;
        return QString::number(die.toInt());
    }

} // namespace

QString spokenReport(const QString& report)
{
    static const QRegularExpression throwLine(u"^(Dado \\d+)  Resultado = (\\d+)(?:  (.*))?$"_s);
    static const QRegularExpression seriesLine(u"^   ([\\d/]+)    (Serie \\d+)$"_s);
    static const QRegularExpression ruler(u"^-+$"_s);
    QStringList spoken;
    for (const QString& line : report.split(u'\n', Qt::SkipEmptyParts)) {
        if (ruler.match(line).hasMatch())
            continue;
        if (const auto match = throwLine.match(line); match.hasMatch()) {
            QString sentence = match.captured(1) + u": "_s + spokenDie(match.captured(2)) + u'.';
            if (match.hasCaptured(3))
                sentence += u' ' + match.captured(3).trimmed();
            spoken << sentence;
        } else if (const auto match = seriesLine.match(line); match.hasMatch()) {
            QStringList dice = match.captured(1).split(u'/');
            for (QString& die : dice)
                die = spokenDie(die);
            spoken << match.captured(2) + u": "_s + dice.join(u", "_s) + u'.';
        } else {
            spoken << line;
        }
    }
    return spoken.join(u'\n');
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

    // A notice that only screen readers perceive: no widget, nothing drawn. Screen readers say a
    // notification that comes into view wherever the focus is.
    class Notice final : public QAccessibleObject
    {
    public:
        Notice(QObject* object, QWidget* window)
            : QAccessibleObject(object)
            , m_window(window)
        {
        }

        void setMessage(const QString& message) { m_message = message; }

        QAccessible::Role role() const override { return QAccessible::Notification; }
        QString text(QAccessible::Text kind) const override
        {
            return kind == QAccessible::Name ? m_message : QString();
        }
        QAccessible::State state() const override { return {}; }
        QAccessibleInterface* parent() const override
        {
            return QAccessible::queryAccessibleInterface(m_window);
        }
        QAccessibleInterface* child(int) const override { return nullptr; }
        int childCount() const override { return 0; }
        int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    private:
        QWidget* m_window = nullptr;
        QString m_message;
    };

} // namespace
#endif

void announce(QWidget* source, const QString& message)
{
    if (!QAccessible::isActive() || message.isEmpty())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The result answers the key just pressed: a newer roll cuts the one still being said short.
    QAccessibleAnnouncementEvent event(source, message);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
#else
    // This bridge has no announcement: the source's notice hides and comes into view again.
    static const QString name = QStringLiteral("announcement");
    auto* object = source->findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
    if (!object) {
        object = new QObject(source);
        object->setObjectName(name);
        // The accessibility cache owns the notice and drops it with its object.
        QAccessible::registerAccessibleInterface(new Notice(object, source->window()));
    }
    auto* notice = static_cast<Notice*>(QAccessible::queryAccessibleInterface(object));
    QAccessibleEvent hidden(notice, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    notice->setMessage(message);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

} // namespace quorlin
