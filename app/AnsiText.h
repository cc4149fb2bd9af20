#ifndef VELMO_APP_ANSITEXT_H
#define VELMO_APP_ANSITEXT_H

#include "base/WQString.h"

namespace Velmo {

// 1 when every byte of the text belongs to a whole character of the
// system's ANSI code page (the empty text included), else 0. The ANSI
// functions drop or replace bytes that do not, so a path ending in a lone
// lead byte would name a different file than it says.
int isWellFormedAnsi(const WQSDK::WQString& text);

} // namespace Velmo

#endif
