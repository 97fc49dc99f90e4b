#pragma once

#include <QString>

#include <optional>

#include <qt_windows.h>

// Reads a text value of the current user's registry with the Win32 API itself, so that
// the tests check what another Windows program would find there, not what Qt reads back.
inline std::optional<QString> userRegistryText(const QString &key, const QString &value)
{
    wchar_t buffer[2048];
    DWORD size = sizeof buffer;
    const LSTATUS status = RegGetValueW(
        HKEY_CURRENT_USER, reinterpret_cast<const wchar_t *>(key.utf16()),
        reinterpret_cast<const wchar_t *>(value.utf16()), RRF_RT_REG_SZ, nullptr, buffer, &size);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return QString::fromWCharArray(buffer);
}
