#include "win32/RegistrySettingsStore.h"

#include "common/WideText.h"
#include "files/Win32Support.h"

#include <system_error>
#include <windows.h>

namespace Win32 {

namespace {

class RegistryKey
{
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey()
    {
        if (key_ != nullptr)
            RegCloseKey(key_);
    }

    HKEY* Out() { return &key_; }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

[[noreturn]] void ThrowRegistryError(LSTATUS status, const char* operation,
                                     const std::wstring& path)
{
    throw std::system_error(
        Conversion::Win32::ErrnoOf(static_cast<DWORD>(status)), std::generic_category(),
        std::string(operation) + " HKEY_CURRENT_USER\\" + Common::Utf8FromWide(path));
}

} // namespace

std::wstring RegistrySettingsStore::KeyPath(const std::string& application,
                                            const std::string& section)
{
    return L"Software\\VB and VBA Program Settings\\" + Common::WideFromUtf8(application) + L"\\" +
           Common::WideFromUtf8(section);
}

std::string RegistrySettingsStore::GetSetting(const std::string& application,
                                              const std::string& section, const std::string& key,
                                              const std::string& defaultValue)
{
    // A setting that cannot be read is as good as missing: the dialog still opens.
    RegistryKey opened;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, KEY_QUERY_VALUE,
                      opened.Out()) != ERROR_SUCCESS)
        return defaultValue;
    const std::wstring name = Common::WideFromUtf8(key);
    std::wstring value;
    DWORD bytes = 0;
    LSTATUS status = ERROR_MORE_DATA;
    // The value may grow between the size query and the read.
    while (status == ERROR_MORE_DATA) {
        value.resize(bytes / sizeof(wchar_t) + 1);
        bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        DWORD type = REG_NONE;
        status = RegQueryValueExW(opened.Get(), name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(value.data()), &bytes);
        if (status == ERROR_SUCCESS && type != REG_SZ)
            return defaultValue;
    }
    if (status != ERROR_SUCCESS)
        return defaultValue;
    // The stored size may or may not count the terminating NULs.
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0')
        value.pop_back();
    return Common::Utf8FromWide(value);
}

void RegistrySettingsStore::SaveSetting(const std::string& application, const std::string& section,
                                        const std::string& key, const std::string& value)
{
    const std::wstring path = KeyPath(application, section);
    RegistryKey created;
    LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, created.Out(), nullptr);
    if (status != ERROR_SUCCESS)
        ThrowRegistryError(status, "RegCreateKeyExW", path);
    const std::wstring data = Common::WideFromUtf8(value);
    status = RegSetValueExW(created.Get(), Common::WideFromUtf8(key).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS)
        ThrowRegistryError(status, "RegSetValueExW", path);
}

} // namespace Win32
