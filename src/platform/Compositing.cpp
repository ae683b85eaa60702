#include "platform/Compositing.h"

#include <xcb/xcb.h>
#include <QGuiApplication>

#include <cstdlib>
#include <memory>

namespace {

// A compositing manager for screen N owns the selection _NET_WM_CM_SN.
bool CompositorRunning(xcb_connection_t* connection, int screen) {
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.constData()), nullptr),
        &std::free);
    if (!atom)
        return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
}

}  // namespace

bool TranslucentWindowsShown() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return true;
    return CompositorRunning(x11->connection(), 0);
}
