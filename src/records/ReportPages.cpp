#include "records/ReportPages.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include "platform/Fonts.h"

namespace ReportPages {
namespace {
constexpr double kFooterHeight = 22;  // points below the text of a page
constexpr int kFooterSize = 9;
}  // namespace

void Print(QTextDocument& document, QPagedPaintDevice& device, const QString& footer) {
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Point);
    const QSizeF page(area.width(), area.height() - kFooterHeight);
    document.setPageSize(page);
    const int pages = document.pageCount();

    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    QFont footerFont = MakeFont(QStringLiteral("宋体"), kFooterSize);
    footerFont.setStyleStrategy(QFont::PreferAntialias);
    footerFont.setHintingPreference(QFont::PreferNoHinting);
    // The text is black on white whatever the program's palette (its skin) says.
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int k = 0; k < pages; ++k) {
        if (k > 0)
            device.newPage();
        const QRectF shown(QPointF(0, k * page.height()), page);
        painter.save();
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        context.clip = shown;
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setPen(Qt::black);
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, page.height(), page.width(), kFooterHeight), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("%1    第%2页，共%3页").arg(footer).arg(k + 1).arg(pages));
    }
}

}  // namespace ReportPages
