#include "ui/program_icon.h"

#include <QPixmap>

#include "ui/sprigwork.xpm"

namespace sprig {

QIcon programIcon() { return QIcon(QPixmap(sprigwork_xpm)); }

}  // namespace sprig
