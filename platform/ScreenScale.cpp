#include "ScreenScale.h"

#include <QByteArray>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <xcb/xcb.h>

namespace platform {
namespace {

bool userChoseScale()
{
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING"})
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    return false;
}

// The size in pixels of the X server's default screen, asked before the
// toolkit connects; false when the program will not run on X.
bool xScreenSize(int& width, int& height)
{
    const QByteArray platformName = qgetenv("QT_QPA_PLATFORM");
    if (!platformName.isEmpty() && !platformName.startsWith("xcb"))
        return false;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    bool found = false;
    if (!xcb_connection_has_error(connection)) {
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; it.rem > 0 && i < screenNumber; ++i)
            xcb_screen_next(&it);
        if (it.rem > 0) {
            width = it.data->width_in_pixels;
            height = it.data->height_in_pixels;
            found = true;
        }
    }
    xcb_disconnect(connection);
    return found;
}

} // namespace

double designScale(int screenWidth, int screenHeight, int designWidth, int designHeight)
{
    if (designWidth <= 0 || designHeight <= 0)
        return 1.0;
    const double fit = std::min(double(screenWidth) / designWidth, double(screenHeight) / designHeight);
    // Thousandths are enough, and keep the factor's text exact.
    return std::max(1.0, std::floor(fit * 1000.0) / 1000.0);
}

double scaleDesignToScreen(int designWidth, int designHeight)
{
    if (userChoseScale())
        return 1.0;
    int width = 0, height = 0;
    if (!xScreenSize(width, height))
        return 1.0;
    const double factor = designScale(width, height, designWidth, designHeight);
    if (factor > 1.0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'f', 3));
    return factor;
}

} // namespace platform
