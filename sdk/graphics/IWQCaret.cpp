#include "graphics/IWQCaret.h"

namespace WQSDK {

IWQCaret::IWQCaret()
    : WQObject()
    , m_width(1)
    , m_height(16)
{
    appendClassName("IWQCaret");
}

int IWQCaret::getWidth() const
{
    return m_width;
}

int IWQCaret::getHeight() const
{
    return m_height;
}

void IWQCaret::setWidth(int width)
{
    m_width = width;
}

void IWQCaret::setHeight(int height)
{
    m_height = height;
}

int IWQCaret::create()
{
    return 0;
}

int IWQCaret::show()
{
    return 0;
}

int IWQCaret::hide()
{
    return 0;
}

int IWQCaret::setPosition(int, int)
{
    return 0;
}

int IWQCaret::destroy()
{
    return 0;
}

int IWQCaret::setBlinkTime(int)
{
    return 0;
}

int IWQCaret::getBlinkTime()
{
    return 0;
}

} // namespace WQSDK
