#pragma once
// The program's icon: a sprig on a dark square, the same picture that the
// desktop menu shows.

#include <QIcon>

namespace sprig {

QIcon programIcon();

}  // namespace sprig
