#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

#include "skin/controls/TsCommonData.h"

class QAction;
class QMenu;
class QPainter;

// Paints a popup menu from the skin: the "MAINMENU" section behind the whole menu with its border around
// it, the icon column at the left in the manager's IcoLineSkin section, and each item in the section's
// font colours, the active one on the section's hot surface. While skinned, the menu's contents margins
// keep the items inside the border and the menu's outline follows the border's transparent corners.
// Without a skin, or while the manager leaves popups alone, the menu has its ordinary look and margins.
class SkinnedMenu : public QObject {
    Q_OBJECT

public:
    explicit SkinnedMenu(QMenu* menu);

    // The menu's adapter, if it has one.
    static SkinnedMenu* Of(const QMenu* menu);

    // The menu is painted from the skin now.
    bool Skinned() const;
    // Where the icon column lies in the menu: from the inner edge of the left border to the end of the
    // items' icon area, over the whole inner height.
    QRect IconColumn() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Puts the margins and outline in line with the skin: the border's, or the menu's own without it.
    void Apply();
    // While skinned, the menu's outline leaves out the border's transparent corners.
    void Outline();
    bool Applies() const;
    QMargins BorderMargins() const;
    PaintStateKey StateKey() const;
    void Compose(QImage& cache, const BackgroundInfo& background) const;
    // What lies beneath a row: the surfaces, separators and check glyphs, drawn into the picture itself.
    void PaintSurface(QImage& cache, QAction* action, const BackgroundInfo& beneath) const;
    // What a painter draws over the surfaces: icons, captions, shortcuts and submenu arrows.
    void PaintContents(QPainter& painter, QAction* action) const;
    bool Hot(const QAction* action) const;
    QRect IconCell(const QRect& row) const;
    QRect TextRect(const QRect& row) const;

    QMenu* menu_;
    TsCommonData skinData_;
    QMargins ownMargins_;
    bool applied_ = false;
};
