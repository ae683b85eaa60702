#pragma once

class QMenu;
class QWidget;

// The popup menus of the main window's menu buttons, with their items and Tags.
QMenu* CreateChapterMenu(QWidget* parent);
QMenu* CreateLawMenu(QWidget* parent);
QMenu* CreateSignMenu(QWidget* parent);
QMenu* CreateTipMenu(QWidget* parent);
QMenu* CreateGameMenu(QWidget* parent);

// The Tag of a menu item: the chapter number, or the number of the page it opens.
int ItemTag(const class QAction* item);
