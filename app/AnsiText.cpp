#include "AnsiText.h"

#include <cstring>

#include <windows.h>

namespace Velmo {

int isWellFormedAnsi(const WQSDK::WQString& text)
{
    if (text.c_str() == nullptr)
        return 1;
    const size_t length = std::strlen(text.c_str());
    if (length == 0)
        return 1;
    if (length > 0x7FFFFFFF)
        return 0;
    return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.c_str(), static_cast<int>(length), nullptr, 0) > 0
        ? 1
        : 0;
}

} // namespace Velmo
