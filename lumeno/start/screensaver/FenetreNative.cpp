#include "FenetreNative.h"

#include <QGuiApplication>

#ifdef LUMENO_AVEC_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace FenetreNative {

#ifdef LUMENO_AVEC_XCB
namespace {
xcb_connection_t* connexion() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}
} // namespace

bool fenetresNativesConnues() {
    return connexion() != nullptr;
}

std::optional<QSize> taille(quintptr idFenetre) {
    xcb_connection_t* c = connexion();
    if (!c || idFenetre == 0) {
        return std::nullopt;
    }
    xcb_generic_error_t* erreur = nullptr;
    xcb_get_geometry_reply_t* reponse =
        xcb_get_geometry_reply(c, xcb_get_geometry(c, static_cast<xcb_drawable_t>(idFenetre)), &erreur);
    std::free(erreur);
    if (!reponse) {
        return std::nullopt;
    }
    const QSize s(reponse->width, reponse->height);
    std::free(reponse);
    return s;
}
#else
bool fenetresNativesConnues() {
    return false;
}

std::optional<QSize> taille(quintptr) {
    return std::nullopt;
}
#endif

} // namespace FenetreNative
