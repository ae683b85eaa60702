#include "platform/DisplayPosition.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>

#include <cstdlib>
#include <memory>

std::optional<QPoint> DisplayPosition(const QWidget& window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window.testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> reply(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, static_cast<xcb_window_t>(window.winId()), root, 0, 0),
            nullptr),
        &std::free);
    if (!reply)
        return std::nullopt;
    return QPoint(reply->dst_x, reply->dst_y);
}
