#pragma once

#include <QColor>
#include <QRect>

class QAbstractButton;
class QPainter;

// The look controls have while no skin is loaded: one calm blue palette and one way to draw a raised
// surface, shared by every control so that they match.
namespace PlainLook {

inline const QColor kBorder{126, 156, 190};
inline const QColor kAccent{46, 104, 170};
inline const QColor kAccentLight{92, 150, 212};
inline const QColor kFaceTop{255, 255, 255};
inline const QColor kFaceBottom{220, 232, 246};
inline const QColor kHotTop{255, 250, 232};
inline const QColor kHotBottom{255, 224, 160};
inline const QColor kDownTop{200, 216, 236};
inline const QColor kDownBottom{236, 242, 250};
inline const QColor kText{36, 44, 53};
// Behind a form whose texts are light (the main window's yellow centre labels).
inline const QColor kDeepBackground{44, 84, 130};

// A rounded rectangle filled with a vertical gradient from top to bottom, with a border.
void PaintRaised(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom, int radius);

// The face of a button in its state.
void PaintButtonFace(QPainter& painter, const QRect& rect, bool hot, bool down, int radius);

// A check box or radio button: the style's indicator, and the caption beside it drawn unclipped, since
// the bitmap faces reach above their stated ascent and the style would cut their tops off.
void PaintCheckable(QAbstractButton& button, bool radio);

}  // namespace PlainLook
