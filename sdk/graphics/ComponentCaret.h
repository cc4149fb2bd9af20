#ifndef WQSDK_GRAPHICS_COMPONENTCARET_H
#define WQSDK_GRAPHICS_COMPONENTCARET_H

#include <windows.h>

#include "graphics/IWQCaret.h"

namespace WQSDK {

// The Windows caret of one component window. Windows has one caret per
// thread: creating it for one window takes it from another, and destroy
// removes whatever caret exists.
class ComponentCaret : public virtual IWQCaret {
public:
    ComponentCaret();

    // A created caret of another height is re-made at once with the new
    // height and shown; in every case the height is stored.
    void setHeight(int height) override;
    // No window: 0 and not created. Else created, and a solid caret of the
    // stored extent; the system call's result.
    int create() override;
    int show() override;
    int hide() override;
    // Client coordinates of the window that owns the caret.
    int setPosition(int x, int y) override;
    int destroy() override;
    // A system-wide setting.
    int setBlinkTime(int milliseconds) override;
    int getBlinkTime() override;

    // Called by the window host once the component's window exists.
    virtual void setWindow(HWND window);

private:
    HWND m_window;
    int m_created;
};

} // namespace WQSDK

#endif
