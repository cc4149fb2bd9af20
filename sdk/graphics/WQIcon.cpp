#include "graphics/WQIcon.h"

#include <cstdint>

namespace WQSDK {

namespace {

// System icon numbers of types 0 to 8.
const uint16_t SYSTEM_ICONS[] = {
    32512, // application
    32516, // asterisk
    32513, // error
    32515, // exclamation
    32513, // hand
    32516, // information
    32514, // question
    32515, // warning
    32517, // logo
};

} // namespace

WQIcon::WQIcon()
    : WQObject()
    , m_type(ICON_APPLICATION)
    , m_fileName()
{
    appendClassName("WQIcon");
}

WQIcon::~WQIcon() = default;

int WQIcon::getType() const
{
    return m_type;
}

void WQIcon::setType(int type)
{
    m_type = type;
}

void WQIcon::setFile(WQString name)
{
    m_type = ICON_FILE;
    m_fileName.assign(name.c_str(), name.length());
}

const char* WQIcon::getResourceName() const
{
    if (m_type == ICON_FILE)
        return m_fileName.c_str();
    if (m_type >= 0 && m_type < static_cast<int>(sizeof SYSTEM_ICONS / sizeof SYSTEM_ICONS[0]))
        return reinterpret_cast<const char*>(static_cast<uintptr_t>(SYSTEM_ICONS[m_type]));
    return nullptr;
}

int WQIcon::getWidth() const
{
    return 0;
}

int WQIcon::getHeight() const
{
    return 0;
}

int WQIcon::getPlanes() const
{
    return 1;
}

int WQIcon::getBitsPerPixel() const
{
    return 24;
}

const unsigned char* WQIcon::getAndMask() const
{
    return nullptr;
}

const unsigned char* WQIcon::getXorMask() const
{
    return nullptr;
}

} // namespace WQSDK
