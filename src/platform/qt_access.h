// Direct access to the Qt objects behind window and control numbers, for
// tests that drive or inspect the real widgets.
#pragma once

class QWidget;
class QAction;
class QToolBar;
class QMenuBar;

namespace qm::platform {

QWidget* TopWidget(int window);
QWidget* ControlWidget(int window, int id);
QMenuBar* MenuBarOf(int window);
QToolBar* ToolbarOf(int window);
// The number of the window opened last.
int LastOpenedWindow();

// The menu item with that command number.
QAction* MenuAction(int window, int number);

}  // namespace qm::platform
