#ifndef WQSDK_GRAPHICS_WQIMAGE_H
#define WQSDK_GRAPHICS_WQIMAGE_H

#include <cstddef>
#include <cstdint>

#include "base/WQObject.h"

namespace WQSDK {

// Pixel formats: the name gives the byte order of one pixel in memory.
constexpr int IMAGE_RGB24 = 1003;
constexpr int IMAGE_ARGB32 = 1004;
constexpr int IMAGE_BGR24 = 1005;
constexpr int IMAGE_BGRA32 = 1007;

// Bytes of one pixel of a format: 3, 4, or 0 for a code this image class
// does not hold.
int imageBytesPerPixel(int format);

// For each of `count` three-byte pixels: destination = source[2], source[1],
// source[0]. Returns 1. Destination and source may be the same buffer.
int swapRedBlue24(unsigned char* destination, int count, const unsigned char* source);
// For each of `count` four-byte pixels: destination = source[3], source[2],
// source[1], source[0]. Returns 1. Destination and source may be the same
// buffer.
int reverseBytes32(unsigned char* destination, int count, const unsigned char* source);

// Pixels in memory, rows from the top down, each row exactly width times
// the pixel size (no padding). The image decodes nothing; it is filled
// through getPixels, or by a graphics context reading its buffer back.
class WQImage : public virtual WQObject {
public:
    // An empty image: 0 x 0 pixels in IMAGE_BGR24, no pixel bytes.
    WQImage();
    ~WQImage() override;
    WQImage(const WQImage&) = delete;
    WQImage& operator=(const WQImage&) = delete;

    // Replaces the pixel bytes with `byteCount` zero bytes; non-zero on
    // success, 0 (and no change) when the count is negative or the memory
    // cannot be had. Width, height and format are kept when the new bytes
    // still hold them, else the image becomes 0 x 0; setLayout describes
    // the new bytes.
    virtual int allocate(int byteCount);
    virtual int getWidth() const;
    virtual int getHeight() const;
    // A new image with a count of 1 holding columns left .. right - 1 and
    // rows top .. bottom - 1, in the same format. Null when the rectangle is
    // empty or not inside the image, or on allocation failure.
    virtual WQImage* crop(int left, int top, int right, int bottom);
    // The pixels in the IMAGE_RGB24 layout: this image itself when it is in
    // that format, else a converted copy that this image owns and refreshes
    // at every call (the caller neither adds nor releases a reference).
    // Null when the copy cannot be made.
    virtual WQImage* asRGB24();
    // Address of the pixel byte at `byteOffset` from the start of the top
    // row; null when the offset lies outside the pixel bytes.
    virtual unsigned char* getPixels(int byteOffset);
    virtual int getFormat() const;

    // Allocates zeroed pixels for width x height in `format`; non-zero on
    // success. Fails and changes nothing for negative extents, a format
    // without a pixel size or a failed allocation.
    virtual int create(int width, int height, int format);
    // Describes the bytes already allocated (after allocate) as width x
    // height pixels of `format`; 0 and no change when they do not fit.
    virtual int setLayout(int width, int height, int format);
    virtual int getByteCount() const;

private:
    // Bytes of width x height pixels of `format`; -1 when invalid or too
    // large for the 32-bit offsets of getPixels.
    static int64_t layoutBytes(int width, int height, int format);
    bool replacePixels(int64_t byteCount);

    unsigned char* m_pixels;
    int m_byteCount;
    int m_width;
    int m_height;
    int m_format;
    // The IMAGE_RGB24 copy handed out by asRGB24, made on first use.
    WQImage* m_rgbView;
};

} // namespace WQSDK

#endif
