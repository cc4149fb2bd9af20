#ifndef WQSDK_GRAPHICS_WQICON_H
#define WQSDK_GRAPHICS_WQICON_H

#include "base/WQObject.h"
#include "base/WQString.h"

namespace WQSDK {

// Icon types; 0 to 8 stand for system icons.
constexpr int ICON_APPLICATION = 0;
constexpr int ICON_ASTERISK = 1;
constexpr int ICON_ERROR = 2;
constexpr int ICON_EXCLAMATION = 3;
constexpr int ICON_HAND = 4;
constexpr int ICON_INFORMATION = 5;
constexpr int ICON_QUESTION = 6;
constexpr int ICON_WARNING = 7;
constexpr int ICON_WINLOGO = 8;
// An icon file, named by the file name.
constexpr int ICON_FILE = 9;
// Bits supplied by a derived class through the shape getters.
constexpr int ICON_CUSTOM = 10;

// Names the icon of a window; the window host turns it into a handle
// (createIconHandle).
class WQIcon : public virtual WQObject {
public:
    WQIcon();
    ~WQIcon() override;

    virtual int getType() const;
    virtual void setType(int type);
    // Type becomes ICON_FILE; the name is kept byte for byte.
    virtual void setFile(WQString name);
    // ICON_FILE: the file name's text. Types 0 to 8: the system icon number
    // as an integer resource name (a pointer whose value is the number).
    // Anything else: null.
    virtual const char* getResourceName() const;
    // The shape of an ICON_CUSTOM icon; the base class describes an empty
    // one (0 x 0, 1 plane, 24 bits, no masks).
    virtual int getWidth() const;
    virtual int getHeight() const;
    virtual int getPlanes() const;
    virtual int getBitsPerPixel() const;
    virtual const unsigned char* getAndMask() const;
    virtual const unsigned char* getXorMask() const;

private:
    int m_type;
    WQString m_fileName;
};

} // namespace WQSDK

#endif
