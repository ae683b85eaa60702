#include "ui/X11Display.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>

#include <cstdlib>
#include <memory>

namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

// The program's connection to the X server; none on any other platform.
xcb_connection_t* Connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

// A compositing manager for screen N owns the selection _NET_WM_CM_SN.
bool CompositorRunning(xcb_connection_t* connection, int screen) {
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
    const ReplyPtr<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.constData()), nullptr),
        &std::free);
    if (!atom)
        return false;
    const ReplyPtr<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
}

}  // namespace

bool TranslucentWindowsShown() {
    xcb_connection_t* connection = Connection();
    return connection == nullptr || CompositorRunning(connection, 0);
}

std::optional<QPoint> DisplayPosition(const QWidget& window) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr || !window.testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const ReplyPtr<xcb_translate_coordinates_reply_t> reply(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, static_cast<xcb_window_t>(window.winId()), root, 0, 0),
            nullptr),
        &std::free);
    if (!reply)
        return std::nullopt;
    return QPoint(reply->dst_x, reply->dst_y);
}
