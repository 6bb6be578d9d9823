#include "X11KeyboardState.h"

#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

bool X11KeyboardState::isDown(quint32 nativeScanCode) {
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || nativeScanCode == 0 || nativeScanCode > 255)
        return false;
    xcb_connection_t *connection = x11->connection();
    xcb_query_keymap_reply_t *keymap =
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (!keymap)
        return false;
    const bool down = (keymap->keys[nativeScanCode / 8] >> (nativeScanCode % 8)) & 1;
    std::free(keymap);
    return down;
}
