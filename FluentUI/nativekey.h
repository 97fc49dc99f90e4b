#pragma once

#include <QHashFunctions>
#include <QtGlobal>

// A key as the window system registers it: the key code and modifier mask in the
// platform's own terms (an X keycode and X modifier bits, or a Windows virtual key
// and MOD_* bits).
struct NativeKey
{
    quint32 code = 0;
    quint32 modifiers = 0;

    friend bool operator==(const NativeKey &a, const NativeKey &b)
    {
        return a.code == b.code && a.modifiers == b.modifiers;
    }
    friend bool operator!=(const NativeKey &a, const NativeKey &b) { return !(a == b); }
    friend size_t qHash(const NativeKey &key, size_t seed = 0)
    {
        return qHashMulti(seed, key.code, key.modifiers);
    }
};
