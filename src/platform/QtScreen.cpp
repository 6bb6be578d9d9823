#include "QtScreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// Without a screen (never expected on a desktop) the window still gets a sane layout.
constexpr QRect FallbackGeometry{0, 0, 1024, 768};
constexpr double FallbackDpi = 96.0;

} // namespace

QRect QtScreen::availableGeometry() const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : FallbackGeometry;
}

QRect QtScreen::availableGeometryAt(QPoint point) const {
    const QScreen *screen = QGuiApplication::screenAt(point);
    return screen ? screen->availableGeometry() : availableGeometry();
}

double QtScreen::logicalDpi() const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 0.0;
    return dpi > 0.0 ? dpi : FallbackDpi;
}
