#ifndef WQSDK_BASE_WQPARAM_H
#define WQSDK_BASE_WQPARAM_H

#include "base/TWQMap.h"
#include "base/WQString.h"

namespace WQSDK {

// Table of text parameters: an ordered map of strings with operations that
// take keys and values as WQString or as NUL-terminated texts (null reads
// as ""), replace existing values and supply defaults.
class WQParam : public virtual TWQMap<WQString, WQString> {
public:
    using Map = TWQMap<WQString, WQString>;

    WQParam();
    // Copies every entry of `other`, which leaves other's cursor at its end.
    WQParam(WQParam& other);
    WQParam& operator=(const WQParam&) = delete;
    ~WQParam() override = default;

    // Stores the pair, replacing the value of a present key. 1, or 0 when
    // it cannot be stored (the old value is then kept). Replacing moves the
    // map's cursor like remove() does.
    virtual int set(const WQString& key, const char* value);
    virtual int set(const char* key, const char* value);
    virtual int set(const char* key, const WQString& value);
    virtual int set(const WQString& key, const WQString& value);

    // Copies the value into `buffer` of `size` bytes, cut to size - 1
    // bytes and always terminated. 0 for a null buffer, a size below 1 or
    // an absent key.
    virtual int getText(const char* key, char* buffer, int size) const;
    virtual int getText(const WQString& key, char* buffer, int size) const;

    using Map::get;
    virtual int get(const char* key, WQString& out) const;

    // The value of `key`, or a copy of `fallback` when it is absent.
    virtual WQString getString(const WQString& key, const char* fallback) const;
    virtual WQString getString(const char* key, const WQString& fallback) const;
    virtual WQString getString(const char* key, const char* fallback) const;
    virtual WQString getString(const WQString& key, const WQString& fallback) const;

    // atoi of the value; 0 when the key is absent or its value empty. The
    // entry stays in the table.
    virtual int getInt(const char* key) const;
    virtual int getInt(const WQString& key) const;

    // A new WQParam (also for derived tables) with copies of the entries
    // and a count of 1.
    WQObject* clone() override;
};

} // namespace WQSDK

#endif
