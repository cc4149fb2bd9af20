#include "graphics/ComponentCaret.h"

namespace WQSDK {

ComponentCaret::ComponentCaret()
    : WQObject()
    , IWQCaret()
    , m_window(nullptr)
    , m_created(0)
{
}

void ComponentCaret::setHeight(int height)
{
    if (m_created && height != getHeight()) {
        DestroyCaret();
        CreateCaret(m_window, nullptr, getWidth(), height);
        ShowCaret(m_window);
    }
    IWQCaret::setHeight(height);
}

int ComponentCaret::create()
{
    if (m_window == nullptr)
        return 0;
    m_created = 1;
    return CreateCaret(m_window, nullptr, getWidth(), getHeight()) ? 1 : 0;
}

int ComponentCaret::show()
{
    if (m_window == nullptr)
        return 0;
    return ShowCaret(m_window) ? 1 : 0;
}

int ComponentCaret::hide()
{
    if (m_window == nullptr)
        return 0;
    return HideCaret(m_window) ? 1 : 0;
}

int ComponentCaret::setPosition(int x, int y)
{
    return SetCaretPos(x, y) ? 1 : 0;
}

int ComponentCaret::destroy()
{
    m_created = 0;
    return DestroyCaret() ? 1 : 0;
}

int ComponentCaret::setBlinkTime(int milliseconds)
{
    return SetCaretBlinkTime(static_cast<UINT>(milliseconds)) ? 1 : 0;
}

int ComponentCaret::getBlinkTime()
{
    return static_cast<int>(GetCaretBlinkTime());
}

void ComponentCaret::setWindow(HWND window)
{
    m_window = window;
}

} // namespace WQSDK
