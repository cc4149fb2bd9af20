#ifndef VELMO_APP_IUNINSTALLDISPLAY_H
#define VELMO_APP_IUNINSTALLDISPLAY_H

#include <cstdint>

#include "base/WQString.h"

namespace Velmo {

// What the uninstall procedure needs from its window: the status label,
// the progress gauge, the finish button, the window's component timer and
// the end of the message loop. The window implements it by forwarding to
// its widgets.
class IUninstallDisplay {
public:
    // The status label's caption.
    virtual void setStatusText(const WQSDK::WQString& text) = 0;
    // The progress gauge's value.
    virtual void setProgress(int32_t value) = 0;
    // Enables the finish button.
    virtual void enableFinish() = 0;
    virtual void startTimer(uint32_t milliseconds) = 0;
    virtual void stopTimer() = 0;
    // Ends the message loop.
    virtual void quit() = 0;

protected:
    ~IUninstallDisplay() = default;
};

} // namespace Velmo

#endif
