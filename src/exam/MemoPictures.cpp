#include "exam/MemoPictures.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include "skin/controls/TsMemo.h"

namespace {
// Draws the picture resources of a document that its image formats name.
class PictureObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    using QObject::QObject;

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
        return Picture(document, format).size();
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                    const QTextFormat& format) override {
        painter->drawImage(rect, Picture(document, format));
    }

private:
    static QImage Picture(QTextDocument* document, const QTextFormat& format) {
        return document->resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name())).value<QImage>();
    }
};
}  // namespace

namespace MemoPictures {

void Allow(TsMemo* memo) {
    QAbstractTextDocumentLayout* layout = memo->document()->documentLayout();
    if (layout->handlerForObject(QTextFormat::ImageObject) == nullptr)
        layout->registerHandler(QTextFormat::ImageObject, new PictureObject(layout));
}

void Insert(QTextCursor& cursor, const QString& name, const QImage& picture, const QSize& largest) {
    const QImage shown = picture.width() > largest.width() || picture.height() > largest.height()
                             ? picture.scaled(largest, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                             : picture;
    QTextDocument* document = cursor.document();
    document->addResource(QTextDocument::ImageResource, QUrl(name), shown);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(shown.width());
    format.setHeight(shown.height());
    cursor.insertImage(format);
}

}  // namespace MemoPictures

#include "MemoPictures.moc"
