#include "ui/help_window.h"

namespace sprig {

QString userManual() { return QString::fromUtf8("Úvod\n"); }

}  // namespace sprig
