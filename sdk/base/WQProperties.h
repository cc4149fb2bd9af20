#ifndef WQSDK_BASE_WQPROPERTIES_H
#define WQSDK_BASE_WQPROPERTIES_H

#include "base/IWQIOStream.h"
#include "base/WQParam.h"
#include "base/WQString.h"

namespace WQSDK {

// Parameter table kept in a text file of "key=value" lines.
//
// Reading: lines end at LF (a last line without one counts). Each line is
// trimmed at both ends of spaces, tabs, CR and LF; empty lines and lines
// starting with "#" are skipped. The first "=" splits the line into key
// and value, both as they stand (blanks next to the "=" are kept); a line
// without "=" is a key with the value "". A key seen again takes the later
// value. A line is taken up to its first NUL byte.
//
// Writing: one "key=value\r\n" line per entry, in key order.
class WQProperties : public virtual WQParam {
public:
    WQProperties();
    WQProperties(const WQProperties&) = delete;
    WQProperties& operator=(const WQProperties&) = delete;
    ~WQProperties() override = default;

    // Empties the table, then reads the stream from its start. 0 for a
    // null stream, else 1 (also when nothing could be read).
    virtual int load(IWQIOStream* stream);
    // 0, with the table unchanged, when the file cannot be opened for
    // reading; else as load(stream).
    virtual int load(const WQString& path);
    // Writes every entry in one piece: 1 when all of it was written.
    virtual int save(IWQIOStream* stream);
    // Creates or truncates the file. 0 when it cannot be opened.
    virtual int save(const WQString& path);
    // Reads the next line, with its LF and any CR, into `out` (up to its
    // first NUL byte). 0 at the end of the stream or when the line cannot
    // be read back.
    virtual int readLine(IWQIOStream* stream, WQString& out);
};

} // namespace WQSDK

#endif
