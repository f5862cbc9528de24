#include "window/accesskeylabel.h"

#include <QEvent>

namespace quorlin {

AccessKeyLabel::AccessKeyLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    // QLabel underlines the access key and grabs it only while it has a buddy; being its own
    // buddy, the label receives the key itself and hands it to the action.
    setBuddy(this);
}

bool AccessKeyLabel::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        if (m_action)
            m_action();
        return true;
    }
    return QLabel::event(event);
}

} // namespace quorlin
