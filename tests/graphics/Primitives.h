#ifndef WQ_TESTS_GRAPHICS_PRIMITIVES_H
#define WQ_TESTS_GRAPHICS_PRIMITIVES_H

#include <windows.h>

#include <functional>
#include <vector>

#include "graphics/ComponentGraphics.h"
#include "graphics/WQFont.h"
#include "graphics/WQImage.h"
#include "graphics/WQPoint.h"

// One call of every operation of the graphics context that makes or uses
// GDI objects, with ordinary arguments.
struct Primitive {
    const char* name;
    std::function<void(WQSDK::ComponentGraphics&)> call;
};

inline std::vector<Primitive> everyPrimitive()
{
    using namespace WQSDK;
    static const WQPoint points[] = {WQPoint(2, 2), WQPoint(12, 4), WQPoint(6, 14), WQPoint(16, 16)};
    static WQImage* image = [] {
        WQImage* made = new WQImage();
        made->addRef();
        made->create(4, 3, IMAGE_RGB24);
        return made;
    }();
    return {
        {"drawRect", [](ComponentGraphics& g) { g.drawRect(1, 1, 10, 5); }},
        {"drawRoundRect", [](ComponentGraphics& g) { g.drawRoundRect(1, 1, 10, 8, 3, 3); }},
        {"drawImage", [](ComponentGraphics& g) { g.drawImage(image, 0, 0, 4, 3, 2, 2, 8, 6); }},
        {"drawImageTransparent",
            [](ComponentGraphics& g) { g.drawImageTransparent(image, 0, 0, 4, 3, 2, 2, 8, 6, WQColor(1, 2, 3)); }},
        {"drawArc", [](ComponentGraphics& g) { g.drawArc(1, 1, 10, 10, 11, 6, 6, 1); }},
        {"drawLine", [](ComponentGraphics& g) { g.drawLine(1, 1, 10, 5, 2); }},
        {"drawEllipse", [](ComponentGraphics& g) { g.drawEllipse(1, 1, 10, 8); }},
        {"drawPolyline", [](ComponentGraphics& g) { g.drawPolyline(points, 4); }},
        {"drawBezier", [](ComponentGraphics& g) { g.drawBezier(points, 4); }},
        {"drawText",
            [](ComponentGraphics& g) {
                g.drawText(WQString("a&bc"), WQRect(0, 0, 20, 10), DT_END_ELLIPSIS | DT_MODIFYSTRING);
            }},
        {"drawString", [](ComponentGraphics& g) { g.drawString(WQString("abc"), 1, 1); }},
        {"setPixel", [](ComponentGraphics& g) { g.setPixel(1, 1, WQColor(1, 2, 3)); }},
        {"fillPie", [](ComponentGraphics& g) { g.fillPie(1, 1, 10, 10, 11, 6, 6, 1); }},
        {"fillEllipse", [](ComponentGraphics& g) { g.fillEllipse(1, 1, 10, 8); }},
        {"fillRect", [](ComponentGraphics& g) { g.fillRect(1, 1, 10, 8); }},
        {"fillPolygon", [](ComponentGraphics& g) { g.fillPolygon(points, 4, 1); }},
        {"setTransparent", [](ComponentGraphics& g) { g.setTransparent(1); }},
        {"clearRect", [](ComponentGraphics& g) { g.clearRect(WQRect(1, 1, 5, 5)); }},
        {"clear", [](ComponentGraphics& g) { g.clear(); }},
        {"drawDisabledString", [](ComponentGraphics& g) { g.drawDisabledString(WQString("&abc"), 1, 1); }},
        {"drawFocusRect", [](ComponentGraphics& g) { g.drawFocusRect(1, 1, 10, 8, 2); }},
        {"getTextSize", [](ComponentGraphics& g) { g.getTextSize(WQString("abc")); }},
        {"getTextHeight", [](ComponentGraphics& g) { g.getTextHeight(); }},
        {"drawFrame", [](ComponentGraphics& g) { g.drawFrame(1, 1, 10, 8, FRAME_ETCHED); }},
        {"drawSunkenFrame", [](ComponentGraphics& g) { g.drawSunkenFrame(1, 1, 10, 8); }},
        {"drawRaisedFrame", [](ComponentGraphics& g) { g.drawRaisedFrame(1, 1, 10, 8); }},
        {"flush", [](ComponentGraphics& g) { g.flush(0, 0, 8, 8); }},
        {"copyToImage",
            [](ComponentGraphics& g) {
                WQImage target;
                int width = 0;
                int height = 0;
                g.copyToImage(&target, &width, &height);
            }},
        {"setFont",
            [](ComponentGraphics& g) {
                WQFont* font = createFont(WQString("Arial"), 10);
                g.setFont(font);
                font->release();
            }},
    };
}

#endif
