#include "graphics/WQImage.h"

#include <cstring>
#include <limits>
#include <new>

#include "base/WQMemory.h"

namespace WQSDK {

int imageBytesPerPixel(int format)
{
    switch (format) {
    case IMAGE_RGB24:
    case IMAGE_BGR24:
        return 3;
    case IMAGE_ARGB32:
    case IMAGE_BGRA32:
        return 4;
    default:
        return 0;
    }
}

int swapRedBlue24(unsigned char* destination, int count, const unsigned char* source)
{
    for (int i = 0; i < count; ++i, destination += 3, source += 3) {
        const unsigned char first = source[0];
        const unsigned char middle = source[1];
        destination[0] = source[2];
        destination[1] = middle;
        destination[2] = first;
    }
    return 1;
}

int reverseBytes32(unsigned char* destination, int count, const unsigned char* source)
{
    for (int i = 0; i < count; ++i, destination += 4, source += 4) {
        const unsigned char b0 = source[0];
        const unsigned char b1 = source[1];
        const unsigned char b2 = source[2];
        const unsigned char b3 = source[3];
        destination[0] = b3;
        destination[1] = b2;
        destination[2] = b1;
        destination[3] = b0;
    }
    return 1;
}

WQImage::WQImage()
    : WQObject()
    , m_pixels(nullptr)
    , m_byteCount(0)
    , m_width(0)
    , m_height(0)
    , m_format(IMAGE_BGR24)
    , m_rgbView(nullptr)
{
    appendClassName("WQImage");
}

WQImage::~WQImage()
{
    memFree(m_pixels);
    if (m_rgbView != nullptr)
        m_rgbView->release();
}

int64_t WQImage::layoutBytes(int width, int height, int format)
{
    const int bytesPerPixel = imageBytesPerPixel(format);
    if (bytesPerPixel == 0 || width < 0 || height < 0)
        return -1;
    const int64_t bytes = static_cast<int64_t>(width) * height * bytesPerPixel;
    if (bytes > std::numeric_limits<int>::max())
        return -1;
    return bytes;
}

bool WQImage::replacePixels(int64_t byteCount)
{
    unsigned char* pixels = static_cast<unsigned char*>(memAlloc(static_cast<std::size_t>(byteCount)));
    if (pixels == nullptr)
        return false;
    std::memset(pixels, 0, static_cast<std::size_t>(byteCount));
    memFree(m_pixels);
    m_pixels = pixels;
    m_byteCount = static_cast<int>(byteCount);
    return true;
}

int WQImage::allocate(int byteCount)
{
    if (byteCount < 0 || !replacePixels(byteCount))
        return 0;
    if (layoutBytes(m_width, m_height, m_format) > m_byteCount) {
        m_width = 0;
        m_height = 0;
    }
    return 1;
}

int WQImage::getWidth() const
{
    return m_width;
}

int WQImage::getHeight() const
{
    return m_height;
}

WQImage* WQImage::crop(int left, int top, int right, int bottom)
{
    if (left < 0 || top < 0 || right > m_width || bottom > m_height || left >= right || top >= bottom)
        return nullptr;
    WQImage* section = new (std::nothrow) WQImage();
    if (section == nullptr)
        return nullptr;
    section->addRef();
    if (!section->create(right - left, bottom - top, m_format)) {
        section->release();
        return nullptr;
    }
    const std::size_t bytesPerPixel = static_cast<std::size_t>(imageBytesPerPixel(m_format));
    const std::size_t rowBytes = static_cast<std::size_t>(right - left) * bytesPerPixel;
    const std::size_t stride = static_cast<std::size_t>(m_width) * bytesPerPixel;
    for (int row = top; row < bottom; ++row) {
        std::memcpy(section->m_pixels + static_cast<std::size_t>(row - top) * rowBytes,
            m_pixels + static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(left) * bytesPerPixel,
            rowBytes);
    }
    return section;
}

WQImage* WQImage::asRGB24()
{
    if (m_format == IMAGE_RGB24)
        return this;
    if (m_rgbView == nullptr) {
        m_rgbView = new (std::nothrow) WQImage();
        if (m_rgbView == nullptr)
            return nullptr;
        m_rgbView->addRef();
    }
    WQImage& view = *m_rgbView;
    if (view.m_width != m_width || view.m_height != m_height) {
        if (!view.create(m_width, m_height, IMAGE_RGB24))
            return nullptr;
    }
    const int count = m_width * m_height;
    const unsigned char* source = m_pixels;
    unsigned char* destination = view.m_pixels;
    switch (m_format) {
    case IMAGE_BGR24:
        swapRedBlue24(destination, count, source);
        break;
    case IMAGE_ARGB32:
        for (int i = 0; i < count; ++i, source += 4, destination += 3) {
            destination[0] = source[1];
            destination[1] = source[2];
            destination[2] = source[3];
        }
        break;
    case IMAGE_BGRA32:
        for (int i = 0; i < count; ++i, source += 4, destination += 3) {
            destination[0] = source[2];
            destination[1] = source[1];
            destination[2] = source[0];
        }
        break;
    default:
        return nullptr;
    }
    return m_rgbView;
}

unsigned char* WQImage::getPixels(int byteOffset)
{
    if (m_pixels == nullptr || byteOffset < 0 || byteOffset >= m_byteCount)
        return nullptr;
    return m_pixels + byteOffset;
}

int WQImage::getFormat() const
{
    return m_format;
}

int WQImage::create(int width, int height, int format)
{
    const int64_t bytes = layoutBytes(width, height, format);
    if (bytes < 0 || !replacePixels(bytes))
        return 0;
    m_width = width;
    m_height = height;
    m_format = format;
    return 1;
}

int WQImage::setLayout(int width, int height, int format)
{
    const int64_t bytes = layoutBytes(width, height, format);
    if (bytes < 0 || bytes > m_byteCount)
        return 0;
    m_width = width;
    m_height = height;
    m_format = format;
    return 1;
}

int WQImage::getByteCount() const
{
    return m_byteCount;
}

} // namespace WQSDK
