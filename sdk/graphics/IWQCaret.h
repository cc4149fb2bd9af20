#ifndef WQSDK_GRAPHICS_IWQCARET_H
#define WQSDK_GRAPHICS_IWQCARET_H

#include "base/WQObject.h"

namespace WQSDK {

// The text insertion mark of one component. The interface keeps the
// extent; the operations that drive a real caret do nothing here and
// return 0.
class IWQCaret : public virtual WQObject {
public:
    // 1 x 16 pixels.
    IWQCaret();

    virtual int getWidth() const;
    virtual int getHeight() const;
    // A caret that exists keeps its shape until it is created again.
    virtual void setWidth(int width);
    virtual void setHeight(int height);
    virtual int create();
    virtual int show();
    virtual int hide();
    virtual int setPosition(int x, int y);
    virtual int destroy();
    virtual int setBlinkTime(int milliseconds);
    virtual int getBlinkTime();

private:
    int m_width;
    int m_height;
};

} // namespace WQSDK

#endif
