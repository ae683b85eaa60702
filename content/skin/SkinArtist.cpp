#include "SkinArtist.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "skin/loading/TsMaskData.h"

namespace {

const QColor kMagenta(255, 0, 255);
const QColor kWhite(255, 255, 255);
const QColor kPale(0xF4, 0xF8, 0xFD);
const QColor kLight(0xE6, 0xF0, 0xFA);
const QColor kSky(0xD6, 0xE8, 0xFA);
const QColor kHot(0xCF, 0xE5, 0xFF);
const QColor kMid(0x9C, 0xC3, 0xEC);
const QColor kBorder(0x7E, 0xA6, 0xD6);
const QColor kAccent(0x2E, 0x68, 0xAA);
const QColor kDeep(0x1F, 0x4F, 0x86);
const QColor kGray(0x8A, 0x96, 0xA3);

// A button-like face for each state: normal, hot, pressed. A push button's centre shows its section's hot
// gradient (white to hot) when pressed as when hot, so its pressed face keeps those colours for its edges to
// meet that gradient, and only its outline darkens.
void Face(QPainter& p, const QRect& r, int state, int radius, bool flat, bool pushButton = false) {
    const QColor tops[] = {kWhite, kWhite, pushButton ? kWhite : kSky};
    const QColor bottoms[] = {kSky, kHot, pushButton ? kHot : kMid};
    const QColor borders[] = {kBorder, kAccent, kDeep};
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, flat && state == 0 ? kPale : tops[state]);
    fill.setColorAt(1, flat && state == 0 ? kPale : bottoms[state]);
    p.setPen(QPen(flat && state == 0 ? kLight : borders[state], 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(r).adjusted(0, 0, -1, -1), radius, radius);
}

void Frame(QPainter& p, const QRect& r, const QColor& border, const QColor& fill, int width) {
    p.fillRect(r, border);
    p.fillRect(r.adjusted(width, width, -width, -width), fill);
}

void CheckGlyph(QPainter& p, const QRect& r, int state, const QString& key) {
    const QColor border = state == 0 ? kBorder : kAccent;
    const QColor fill = state == 2 ? kSky : (state == 1 ? kHot : kWhite);
    const bool radio = key.startsWith(QLatin1String("RADIO"));
    const bool grayed = key.endsWith(QLatin1String("GRAYED"));
    const bool checked = key.endsWith(QLatin1String("CHECKED")) && !key.endsWith(QLatin1String("UNCHECKED"));
    // No antialiasing on the outline or the dot: blended edges would turn magenta corners pink.
    QRect box = r.adjusted(1, 1, -2, -2);
    p.setPen(border);
    p.setBrush(fill);
    if (radio)
        p.drawEllipse(box);
    else
        p.drawRect(box);
    const QRect inner = box.adjusted(3, 3, -3, -3);
    if (grayed || (checked && radio)) {
        p.setPen(Qt::NoPen);
        p.setBrush(grayed ? kGray : kAccent);
        if (radio)
            p.drawEllipse(inner);
        else
            p.drawRect(inner);
    } else if (checked) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(kAccent, 2));
        p.drawPolyline(QPolygonF({QPointF(box.left() + 3, box.center().y()), QPointF(box.left() + 6, box.bottom() - 3),
                                  QPointF(box.right() - 2, box.top() + 3)}));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

// Title buttons: a soft rounded plate with a white symbol, red for close when hot.
void TitleGlyph(QPainter& p, const QRect& r, int state, const QString& key) {
    const bool close = key.contains(QLatin1String("CLOSE"));
    const QColor plates[] = {kAccent, close ? QColor(0xD9, 0x4F, 0x4F) : QColor(0x4A, 0x86, 0xC8),
                             close ? QColor(0xB0, 0x36, 0x36) : kDeep};
    p.setPen(Qt::NoPen);
    p.setBrush(plates[state]);
    p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 3, 3);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kWhite, 1.6));
    p.setBrush(Qt::NoBrush);
    const QPointF c = QRectF(r).center();
    const qreal s = std::min(r.width(), r.height()) * 0.22;
    if (close) {
        p.drawLine(c + QPointF(-s, -s), c + QPointF(s, s));
        p.drawLine(c + QPointF(-s, s), c + QPointF(s, -s));
    } else if (key.contains(QLatin1String("MAX"))) {
        p.drawRect(QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s));
    } else if (key.contains(QLatin1String("MIN"))) {
        p.drawLine(c + QPointF(-s, s), c + QPointF(s, s));
    } else if (key.contains(QLatin1String("NORM"))) {
        p.drawRect(QRectF(c.x() - s, c.y() - s * 0.4, s * 1.4, s * 1.4));
        p.drawPolyline(QPolygonF({c + QPointF(-s * 0.4, -s * 0.4), c + QPointF(-s * 0.4, -s), c + QPointF(s, -s),
                                  c + QPointF(s, s * 0.4), c + QPointF(s * 0.4, s * 0.4)}));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

// Faint diagonal grain: light lines every `step` pixels on the ground colour. A tile whose sides are
// multiples of the step repeats without a seam, so small tiles cover whole windows.
void Grain(QPainter& p, const QRect& r, const QColor& ground, int step) {
    p.fillRect(r, ground);
    p.setPen(kLight);
    for (int y = 0; y < r.height(); ++y) {
        for (int x = (step - y % step) % step; x < r.width(); x += step)
            p.drawPoint(r.left() + x, r.top() + y);
    }
}

void Grip(QPainter& p, const QRect& r) {
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j <= i; ++j)
            p.fillRect(r.right() - 3 - 4 * j, r.bottom() - 3 - 4 * (i - j), 2, 2, kBorder);
    }
}

QImage Glow(const QColor& colour) {
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QRadialGradient glow(QPointF(12, 12), 12);
    QColor inner = colour;
    inner.setAlpha(160);
    QColor outer = colour;
    outer.setAlpha(0);
    glow.setColorAt(0.5, inner);
    glow.setColorAt(1, outer);
    p.fillRect(image.rect(), glow);
    return image;
}

}  // namespace

QImage SkinArtist::NewMaster(const QRect& bounds) {
    QImage master(bounds.right() + 1, bounds.bottom() + 1, QImage::Format_RGB32);
    master.fill(kMagenta);
    return master;
}

void SkinArtist::DrawSlice(QImage& master, const TsMaskData& mask) {
    // Antialiasing stays off unless a glyph asks for it: corner pixels must stay exactly magenta.
    QPainter p(&master);
    const QString section = mask.SectionName.toUpper();
    const QString key = mask.PropertyName.toUpper();
    const int count = mask.ImageCountAtLeastOne();
    const int w = mask.ImageWidth();
    const int h = mask.RowHeight();
    for (int i = 0; i < count; ++i) {
        const QRect r(mask.Slice.Left + i * w, mask.Slice.Top, w, h);
        const int state = std::min(i, 2);
        if (mask.ImgType == itisaTexture) {
            // The form and the status bar get a wider grain on the pale ground, tool bars a fine one on white.
            if (section == QLatin1String("FORM"))
                Grain(p, r, kPale, 8);
            else if (section == QLatin1String("STATUSBAR"))
                Grain(p, r, kPale, 6);
            else
                Grain(p, r, kWhite, 4);
        } else if (key.startsWith(QLatin1String("BOX")) || key.startsWith(QLatin1String("RADIO"))) {
            CheckGlyph(p, r, state, key);
        } else if (key.startsWith(QLatin1String("BICON")) || key.startsWith(QLatin1String("SICON"))) {
            TitleGlyph(p, r, state, key);
        } else if (key == QLatin1String("GRIPIMAGE")) {
            Grip(p, r);
        } else if (section == QLatin1String("EDIT")) {
            Frame(p, r, state == 0 ? kBorder : kAccent, kWhite, 1);
        } else if (section == QLatin1String("DIVIDER")) {
            p.fillRect(r.center().x() - 1, r.top() + 2, 1, r.height() - 4, kBorder);
            p.fillRect(r.center().x(), r.top() + 2, 1, r.height() - 4, kWhite);
        } else if (section == QLatin1String("MENULINE")) {
            p.fillRect(r, kLight);
            p.fillRect(r.left(), r.bottom(), r.width(), 1, kBorder);
        } else if (section == QLatin1String("STATUSBAR")) {
            p.fillRect(r, kLight);
            p.fillRect(r.left(), r.top(), r.width(), 1, kBorder);
            p.fillRect(r.left(), r.top() + 1, r.width(), 1, kWhite);
        } else if (section == QLatin1String("TOOLBAR") || section == QLatin1String("PANEL") ||
                   section == QLatin1String("MAINMENU")) {
            p.setPen(kBorder);
            p.setBrush(kPale);
            p.drawRoundedRect(QRectF(r).adjusted(0, 0, -1, -1), 3, 3);
        } else {
            Face(p, r, state, 4, section == QLatin1String("SPEEDBUTTON"), section == QLatin1String("BUTTON"));
        }
    }
}

QImage SkinArtist::NamedPicture(const QString& name) {
    if (name == QLatin1String("FORMFRAME.BMP")) {
        // Active and inactive frames: a blue outline round the pale window.
        QImage image(80, 40, QImage::Format_RGB32);
        QPainter p(&image);
        Frame(p, QRect(0, 0, 40, 40), kAccent, kPale, 1);
        Frame(p, QRect(40, 0, 40, 40), kBorder, kPale, 1);
        return image;
    }
    if (name == QLatin1String("GROUPBOX.BMP")) {
        // Three states over a mask row: black where the frame is, white where the parent shows.
        QImage image(90, 60, QImage::Format_RGB32);
        image.fill(kWhite);
        QPainter p(&image);
        for (int i = 0; i < 3; ++i) {
            const QRect r(i * 30, 0, 30, 30);
            p.setPen(i == 0 ? kBorder : kAccent);
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(r).adjusted(1, 1, -2, -2), 4, 4);
            p.setPen(Qt::black);
            p.drawRoundedRect(QRectF(r.translated(0, 30)).adjusted(1, 1, -2, -2), 4, 4);
        }
        return image;
    }
    if (name == QLatin1String("HELP.PNG")) {
        QImage image(81, 18, QImage::Format_ARGB32);
        image.fill(Qt::white);  // white turns transparent when the skin is loaded
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        const QColor plates[] = {kAccent, QColor(0x4A, 0x86, 0xC8), kDeep};
        for (int i = 0; i < 3; ++i) {
            const QRectF r(i * 27 + 1, 1, 25, 16);
            p.setPen(Qt::NoPen);
            p.setBrush(plates[i]);
            p.drawRoundedRect(r, 3, 3);
            p.setPen(QColor(0xFE, 0xFE, 0xFE));
            QFont font = p.font();
            font.setPixelSize(12);
            font.setBold(true);
            p.setFont(font);
            p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
        }
        return image;
    }
    // Soft light round hot buttons: sky blue round push buttons, warm red round the window's close button.
    if (name == QLatin1String("GLOW.PNG"))
        return Glow(QColor(0x8F, 0xC0, 0xF2));
    if (name == QLatin1String("CLOSEGLOW.PNG"))
        return Glow(QColor(0xF2, 0x7A, 0x6B));
    return {};
}
