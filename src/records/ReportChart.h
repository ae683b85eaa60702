#pragma once

#include <QObject>
#include <QTextObjectInterface>
#include <functional>

class QTextCursor;
class QTextDocument;

// The score chart in a printed record: an object in the document's text, as wide as the page, drawn by a painter
// the record is given (the chart itself is the records window's).
class ReportChart : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    using Painter = std::function<void(QPainter& painter, const QRectF& place)>;

    // Lets `document`, which keeps the drawing from then on, show charts drawn by `painter`.
    static void Register(QTextDocument& document, Painter painter);
    // Puts a chart `height` high at the cursor.
    static void Insert(QTextCursor& cursor, double height);

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& place, QTextDocument* document, int position,
                    const QTextFormat& format) override;

private:
    ReportChart(QTextDocument& document, Painter painter);

    Painter painter_;
};
