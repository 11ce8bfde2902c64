#include "ui/menu_item.h"

#include <QAction>
#include <QMenu>

namespace sprig {

QAction* addMenuItem(QMenu& menu, const char* caption, const char* hint, bool enabled)
{
    QAction* item = menu.addAction(QString::fromUtf8(caption));
    if (hint) {
        item->setStatusTip(QString::fromUtf8(hint));
        item->setToolTip(QString::fromUtf8(hint));
    }
    item->setEnabled(enabled);
    return item;
}

}  // namespace sprig
