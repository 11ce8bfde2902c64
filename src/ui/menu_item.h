#pragma once
// A menu item with its caption, its hint in the status bar and the tool
// tip, and the accessible name screen readers announce.

class QAction;
class QMenu;

namespace sprig {

QAction* addMenuItem(QMenu& menu, const char* caption, const char* hint = nullptr, bool enabled = true);

}  // namespace sprig
