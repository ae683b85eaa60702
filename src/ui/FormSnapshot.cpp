#include "ui/FormSnapshot.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QPainter>
#include <QWidget>

#include "platform/Exception.h"
#include "platform/Fonts.h"

namespace {
QJsonObject FontJson(const QFont& font) {
    return {{"family", DesignFamily(font)}, {"pixelSize", font.pixelSize()}};
}

QJsonObject WidgetJson(const QWidget* widget, const QWidget* form) {
    // Places on the form are given inside its client area, which a painted frame may surround.
    const QPoint client = widget->parentWidget() == form ? form->contentsRect().topLeft() : QPoint();
    return {
        {"name", widget->objectName()},
        {"class", widget->metaObject()->className()},
        {"parent", widget->parentWidget() ? widget->parentWidget()->objectName() : QString()},
        {"x", widget->x() - client.x()},
        {"y", widget->y() - client.y()},
        {"width", widget->width()},
        {"height", widget->height()},
        {"text", widget->property("text").toString()},
        {"visible", widget->isVisibleTo(form)},
        {"enabled", widget->isEnabled()},
        {"font", FontJson(widget->font())},
    };
}

QJsonObject MenuItemJson(const QAction* item, const QMenu* menu) {
    return {
        {"name", item->objectName()},
        {"class", item->metaObject()->className()},
        {"parent", menu->objectName()},
        {"x", 0},
        {"y", 0},
        {"width", 0},
        {"height", 0},
        {"text", item->text()},
        {"visible", item->isVisible()},
        {"enabled", item->isEnabled()},
        {"font", FontJson(menu->font())},
    };
}

QJsonArray ControlsJson(const QWidget* form) {
    QJsonArray controls;
    for (const QWidget* widget : form->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        controls.append(WidgetJson(widget, form));
        if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
            for (const QAction* item : menu->actions())
                controls.append(MenuItemJson(item, menu));
        }
    }
    return controls;
}

// Platforms without a window manager ignore window masks; the picture shows the window as the user
// would see it, so what lies outside the mask is cleared here.
QImage Picture(QWidget* form) {
    QImage picture = form->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    if (!form->mask().isEmpty()) {
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.setClipRegion(QRegion(form->rect()).subtracted(form->mask()));
        painter.fillRect(form->rect(), Qt::transparent);
    }
    return picture;
}

void Write(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw Exception(QStringLiteral("Unable to write to %1").arg(fileName));
    }
}
}  // namespace

void SaveFormSnapshot(QWidget* form, const QString& dir, const QString& name) {
    const QString base = QDir(dir).filePath(name.isEmpty() ? form->objectName() : name);
    if (!Picture(form).save(base + ".png"))
        throw Exception(QStringLiteral("Unable to write to %1.png").arg(base));
    const QJsonObject json{
        {"name", form->objectName()},
        {"caption", form->windowTitle()},
        {"client", QJsonObject{{"width", form->contentsRect().width()}, {"height", form->contentsRect().height()}}},
        {"controls", ControlsJson(form)},
    };
    Write(base + ".json", QJsonDocument(json).toJson());
}
