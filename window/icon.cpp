#include "window/icon.h"

#include <QIcon>
#include <QPixmap>

namespace quorlin {

namespace {
#include "data/quorlin.xpm"
} // namespace

QIcon quorlinIcon() { return QIcon(QPixmap(quorlin_xpm)); }

} // namespace quorlin
