#include "exam/OptionFit.h"

#include <QFont>
#include <QFontMetrics>
#include <QTextLayout>
#include <algorithm>

#include "skin/controls/TsRadioButton.h"

namespace {
constexpr int kSmallestPixelSize = 10;

// The caption on lines that are each at most `width` wide in `font`, broken where Chinese and Latin text allow.
QString Wrapped(const QString& caption, const QFont& font, int width) {
    QTextLayout layout(caption, font);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << caption.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines.join(u'\n');
}

qsizetype LineCount(const QString& text) {
    return text.count(u'\n') + 1;
}

// The caption on as few lines as `width` allows, made as even as the breaks allow: no word left alone on the last.
QString Balanced(const QString& caption, const QFont& font, int width) {
    const qsizetype lines = LineCount(Wrapped(caption, font, width));
    int narrowest = 1;
    while (narrowest < width) {
        const int tried = (narrowest + width) / 2;
        if (LineCount(Wrapped(caption, font, tried)) <= lines)
            width = tried;
        else
            narrowest = tried + 1;
    }
    return Wrapped(caption, font, width);
}
}  // namespace

void FitOption(TsRadioButton* option, const QFont& font, QSize room) {
    const QString caption = QString(option->text()).remove(u'\n');
    QFont sized = font;
    for (int pixelSize = font.pixelSize(); pixelSize >= kSmallestPixelSize; --pixelSize) {
        sized.setPixelSize(pixelSize);
        const QFontMetrics metrics(sized);
        option->setFont(sized);
        option->SetCaption(caption);
        if (option->width() <= room.width() && option->height() <= room.height())
            return;
        // What the button needs beside its caption: the check glyph and the gap after it.
        const int besideText = option->width() - metrics.horizontalAdvance(caption);
        const QString wrapped = Balanced(caption, sized, room.width() - besideText);
        option->SetCaption(wrapped);
        // The lines may fill the row; the button's margins above and below them are given up for it.
        const int linesHeight = int(LineCount(wrapped)) * metrics.lineSpacing();
        if (linesHeight <= room.height() || pixelSize == kSmallestPixelSize) {
            option->resize(option->width(), std::min(option->height(), std::max(linesHeight, room.height())));
            return;
        }
    }
}
