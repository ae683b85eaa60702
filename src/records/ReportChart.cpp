#include "records/ReportChart.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
constexpr int kChartObject = QTextFormat::UserObject + 1;
constexpr int kHeightProperty = QTextFormat::UserProperty + 1;
}  // namespace

ReportChart::ReportChart(QTextDocument& document, Painter painter) : QObject(&document), painter_(std::move(painter)) {}

void ReportChart::Register(QTextDocument& document, Painter painter) {
    document.documentLayout()->registerHandler(kChartObject, new ReportChart(document, std::move(painter)));
}

void ReportChart::Insert(QTextCursor& cursor, double height) {
    QTextCharFormat format;
    format.setObjectType(kChartObject);
    format.setProperty(kHeightProperty, height);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
}

// The width of the page, less the document's margins and the block's indents.
QSizeF ReportChart::intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) {
    const QTextBlockFormat block = document->findBlock(position).blockFormat();
    const double width =
        document->pageSize().width() - 2 * document->documentMargin() - block.leftMargin() - block.rightMargin();
    return {std::max(width, 0.0), format.doubleProperty(kHeightProperty)};
}

void ReportChart::drawObject(QPainter* painter, const QRectF& place, QTextDocument*, int, const QTextFormat&) {
    if (!painter_)
        return;
    painter->save();
    painter_(*painter, place);
    painter->restore();
}
