#include "skin/controls/TsMemo.h"

#include <QPainter>

#include "skin/controls/ControlPainter.h"
#include "skin/controls/TsSkinManager.h"

TsMemo::TsMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setFocusPolicy(Qt::ClickFocus);
    skinData_.SetPainter([this](QImage& cache, const BackgroundInfo& background) {
        ControlPainter(skinData_).PaintItem(cache, background, true, skinData_.HotNow() ? 1 : 0, cache.rect());
    });
    UseLook(false);
}

void TsMemo::SetText(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(lines);
}

void TsMemo::SetBackground(const QColor& color) {
    background_ = color;
    UseLook(skinnedLook_);
}

void TsMemo::UseLook(bool skinned) {
    skinnedLook_ = skinned;
    QPalette colours = palette();
    colours.setColor(QPalette::Base, skinned ? QColor(Qt::transparent) : background_);
    QColor text = Qt::black;
    if (skinned && !skinData_.CustomFont())
        text = Pixels::ToQColor(skinData_.HotNow() ? skinData_.Section().HotFontColor : skinData_.Section().FontColor);
    colours.setColor(QPalette::Text, text);
    // Each of these repaints the memo, so only what changed is set.
    if (colours != palette())
        setPalette(colours);
    if (viewport()->autoFillBackground() == skinned)
        viewport()->setAutoFillBackground(!skinned);
}

// Paints the text area; skinned, the composed picture of the whole memo lies under the text.
void TsMemo::paintEvent(QPaintEvent* event) {
    const bool skinned = skinData_.IsSkinnedNow();
    if (skinned != skinnedLook_ || skinned)
        UseLook(skinned);
    if (skinned) {
        QPainter painter(viewport());
        painter.translate(-viewport()->pos());
        skinData_.PaintCached(painter, {.State = skinData_.HotNow() ? 1 : 0});
    }
    QPlainTextEdit::paintEvent(event);
}
