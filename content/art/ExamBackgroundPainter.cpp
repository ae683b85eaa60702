#include "ExamBackgroundPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

// Every rectangle below is in client coordinates of the exam window. The labels and controls of the window stand on
// plain fills: the dark labels on pale boxes, the yellow message on a dark screen, so each reads without a halo.
namespace {

const QString kHei = QStringLiteral("WenQuanYi Zen Hei");
const QString kSong = QStringLiteral("AR PL UMing CN");

const QColor kBackdropTop(62, 66, 76);
// The window's own fill shows in the two rows under the picture; the backdrop fades into it.
const QColor kBackdropBottom(49, 49, 49);
const QColor kInk(36, 44, 53);
const QColor kPale(250, 251, 253);

QFont font(const QString& family, int pixelSize, bool bold = false) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void panel(QPainter& p, const QRectF& rect, const QColor& top, const QColor& bottom, qreal radius = 10) {
    // A soft drop shadow under each panel lifts it off the dark backdrop.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(rect.translated(0, 3), radius, radius);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setBrush(fill);
    p.setPen(QPen(bottom.darker(125), 1));
    p.drawRoundedRect(rect, radius, radius);
    // A thin highlight along the top edge.
    p.setPen(QPen(QColor(255, 255, 255, 80), 1));
    p.drawLine(QPointF(rect.left() + radius, rect.top() + 1.5), QPointF(rect.right() - radius, rect.top() + 1.5));
}

void plainBox(QPainter& p, const QRectF& rect, const QColor& fill, const QColor& edge, qreal radius = 6) {
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawRoundedRect(rect, radius, radius);
}

void caption(QPainter& p, const QRectF& rect, const QString& text, const QFont& f, const QColor& colour,
             Qt::Alignment alignment = Qt::AlignCenter) {
    p.setFont(f);
    p.setPen(colour);
    p.drawText(rect, alignment, text);
}

void backdrop(QPainter& p) {
    const QRectF whole(-ExamBackgroundPainter::kClientLeft, -ExamBackgroundPainter::kClientTop,
                       ExamBackgroundPainter::kWidth, ExamBackgroundPainter::kHeight);
    QLinearGradient fill(whole.topLeft(), whole.bottomLeft());
    fill.setColorAt(0, kBackdropTop);
    fill.setColorAt(0.8, kBackdropBottom);
    p.fillRect(whole, fill);
}

void clockIcon(QPainter& p, const QPointF& centre, qreal radius) {
    p.setPen(QPen(QColor(120, 20, 80), 2));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(255, 196, 40), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius - 3.5, radius - 3.5);
    p.setPen(QPen(kInk, 1.5));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 30);
        p.drawLine(QPointF(0, -(radius - 7)), QPointF(0, -(radius - (i % 3 == 0 ? 11 : 9))));
        p.restore();
    }
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -(radius - 11)));
    p.drawLine(centre, centre + QPointF(radius - 13, 4));
    p.setPen(QPen(QColor(226, 50, 60), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(0, 4), centre + QPointF(-6, -(radius - 10)));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(centre, 2.5, 2.5);
}

// Magenta panel: caption on top, the clock icon, and a pale box in which lblLeftTime (104, 49, 104 x 33) stands.
void timePanel(QPainter& p) {
    panel(p, QRectF(8, 2, 222, 92), QColor(228, 76, 164), QColor(178, 36, 124));
    caption(p, QRectF(8, 8, 222, 24), QStringLiteral("距离考试结束还剩"), font(kHei, 16, true), Qt::white);
    clockIcon(p, QPointF(56, 65), 24);
    plainBox(p, QRectF(98, 44, 118, 43), kPale, QColor(140, 24, 96));
}

void bar(QPainter& p, const QRectF& rect, const QString& text, qreal textWidth) {
    plainBox(p, rect, QColor(236, 244, 255), QColor(24, 70, 148), 5);
    // The caption sits on a darker tab at the start of the bar; the label that follows stands on the pale rest.
    QPainterPath tab;
    tab.addRoundedRect(QRectF(rect.left(), rect.top(), textWidth, rect.height()), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 196, 40));
    p.drawPath(tab);
    caption(p, QRectF(rect.left(), rect.top(), textWidth, rect.height()), text, font(kSong, 14, true), kInk);
}

// Blue panel: welcome, licence type (lblJZLX at 101, 155), score (lblSource at 145, 195), and the dark screen of the
// message label (24, 224, 193 x 57).
void infoPanel(QPainter& p) {
    panel(p, QRectF(8, 102, 222, 192), QColor(62, 134, 222), QColor(28, 82, 166));
    caption(p, QRectF(16, 108, 206, 30), QStringLiteral("欢迎您"), font(kHei, 18, true), Qt::white);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawLine(QPointF(24, 141.5), QPointF(214, 141.5));
    bar(p, QRectF(16, 150, 206, 27), QStringLiteral("驾照类型"), 80);
    bar(p, QRectF(16, 190, 206, 27), QStringLiteral("答题结果，得分"), 124);
    plainBox(p, QRectF(18, 222, 202, 62), QColor(20, 30, 58), QColor(12, 20, 40), 6);
}

void smilingFace(QPainter& p, const QPointF& centre, qreal radius) {
    QLinearGradient fill(centre - QPointF(0, radius), centre + QPointF(0, radius));
    fill.setColorAt(0, QColor(255, 222, 92));
    fill.setColorAt(1, QColor(248, 176, 34));
    p.setPen(QPen(QColor(186, 112, 12), 2));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 110, 120));
    p.drawEllipse(centre + QPointF(-radius * 0.55, radius * 0.18), radius * 0.16, radius * 0.1);
    p.drawEllipse(centre + QPointF(radius * 0.55, radius * 0.18), radius * 0.16, radius * 0.1);
    p.setBrush(QColor(70, 40, 10));
    p.drawEllipse(centre + QPointF(-radius * 0.33, -radius * 0.22), radius * 0.09, radius * 0.14);
    p.drawEllipse(centre + QPointF(radius * 0.33, -radius * 0.22), radius * 0.09, radius * 0.14);
    p.setPen(QPen(QColor(70, 40, 10), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const qreal r = radius * 0.55;
    p.drawArc(QRectF(centre.x() - r, centre.y() - r + radius * 0.05, 2 * r, 2 * r), 200 * 16, 140 * 16);
}

void titlePanel(QPainter& p) {
    panel(p, QRectF(240, 2, 466, 58), QColor(76, 190, 108), QColor(34, 140, 68));
    QFont title = font(kHei, 28, true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    caption(p, QRectF(240, 4, 466, 34), QStringLiteral("驾驶员模拟考试"), title, Qt::white);
    QFont pinyin = font(kHei, 11);
    pinyin.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    caption(p, QRectF(240, 38, 466, 16), QStringLiteral("JIA SHI YUAN MO NI KAO SHI"), pinyin, QColor(226, 248, 232));
}

void car(QPainter& p, qreal x, qreal ground) {
    const QColor outline(38, 50, 72);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QRectF(x - 2, ground - 3, 120, 7));
    QPainterPath shell;
    shell.moveTo(x, ground - 10);
    shell.lineTo(x, ground - 28);
    shell.quadTo(x, ground - 35, x + 8, ground - 36);
    shell.lineTo(x + 26, ground - 38);
    shell.lineTo(x + 40, ground - 56);
    shell.quadTo(x + 42, ground - 58, x + 46, ground - 58);
    shell.lineTo(x + 74, ground - 58);
    shell.quadTo(x + 78, ground - 58, x + 81, ground - 55);
    shell.lineTo(x + 94, ground - 39);
    shell.lineTo(x + 108, ground - 36);
    shell.quadTo(x + 116, ground - 34, x + 116, ground - 26);
    shell.lineTo(x + 116, ground - 10);
    shell.closeSubpath();
    p.setPen(QPen(outline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(236, 72, 64));
    p.drawPath(shell);
    p.setPen(QPen(outline, 1.5));
    p.setBrush(QColor(170, 214, 244));
    p.drawPolygon(
        QPolygonF({{x + 31, ground - 40}, {x + 43, ground - 53}, {x + 58, ground - 53}, {x + 58, ground - 40}}));
    p.drawPolygon(
        QPolygonF({{x + 62, ground - 40}, {x + 62, ground - 53}, {x + 76, ground - 53}, {x + 87, ground - 40}}));
    p.setBrush(QColor(255, 218, 92));
    p.drawRoundedRect(QRectF(x + 108, ground - 32, 7, 5), 1.5, 1.5);
    for (qreal wheelX : {x + 28, x + 90}) {
        p.setPen(QPen(outline, 2));
        p.setBrush(QColor(52, 56, 66));
        p.drawEllipse(QPointF(wheelX, ground - 12), 12, 12);
        p.setBrush(QColor(200, 208, 218));
        p.drawEllipse(QPointF(wheelX, ground - 12), 6, 6);
    }
}

// A road scene with a car, and a tab on its lower edge that opens onto the question panel below.
void banner(QPainter& p) {
    const QRectF area(240, 66, 466, 88);
    QPainterPath clip;
    clip.addRoundedRect(area, 10, 10);
    p.save();
    p.setClipPath(clip);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(120, 190, 244));
    sky.setColorAt(1, QColor(214, 238, 255));
    p.fillRect(area, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    for (const QPointF& c : {QPointF(300, 86), QPointF(470, 80), QPointF(640, 90)}) {
        p.drawEllipse(c, 18, 8);
        p.drawEllipse(c + QPointF(14, -4), 14, 9);
        p.drawEllipse(c + QPointF(26, 1), 12, 7);
    }
    p.setBrush(QColor(120, 198, 110));
    p.drawEllipse(QRectF(200, 112, 260, 70));
    p.setBrush(QColor(96, 178, 92));
    p.drawEllipse(QRectF(420, 116, 320, 70));
    p.setBrush(QColor(84, 90, 104));
    p.drawRect(QRectF(240, 130, 466, 24));
    p.setBrush(QColor(250, 250, 250));
    for (int x = 250; x < 706; x += 40)
        p.drawRect(QRectF(x, 141, 22, 3));
    // A road sign beside the road.
    p.setPen(QPen(QColor(90, 96, 108), 3));
    p.drawLine(QPointF(620, 130), QPointF(620, 100));
    p.setPen(QPen(QColor(200, 30, 40), 3));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(620, 96), 11, 11);
    caption(p, QRectF(609, 85, 22, 22), QStringLiteral("40"), font(kHei, 10, true), kInk);
    car(p, 360, 148);
    p.restore();
}

// The pale panel that holds the counters, question, options, picture and next button; nothing is drawn inside it.
void questionPanel(QPainter& p) {
    const QRectF area(248, 162, 458, 290);
    plainBox(p, area, kPale, QColor(150, 164, 184), 8);
    // The tab joins the banner to the panel.
    QPainterPath tab;
    tab.moveTo(586, 163);
    tab.lineTo(594, 148);
    tab.quadTo(596, 145, 600, 145);
    tab.lineTo(690, 145);
    tab.quadTo(694, 145, 696, 148);
    tab.lineTo(704, 163);
    p.setPen(QPen(QColor(150, 164, 184), 1));
    p.setBrush(kPale);
    p.drawPath(tab);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(587, 160, 116, 4));
    caption(p, QRectF(596, 146, 98, 17), QStringLiteral("考 题"), font(kHei, 13, true), QColor(34, 140, 68));
    // A hairline between the counters and the question.
    p.setPen(QPen(QColor(214, 222, 232), 1));
    p.drawLine(QPointF(262, 199.5), QPointF(692, 199.5));
}

}  // namespace

QImage ExamBackgroundPainter::paint() {
    QImage image(kWidth, kHeight, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(kClientLeft, kClientTop);
    backdrop(p);
    timePanel(p);
    infoPanel(p);
    smilingFace(p, QPointF(119, 342), 38);
    titlePanel(p);
    banner(p);
    questionPanel(p);
    return image;
}
