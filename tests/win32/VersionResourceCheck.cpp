// version-resource-check FILE PRODUCT VERSION ICON
//
// Exits 0 when the Windows program FILE carries PRODUCT and VERSION (major.minor.patch) in
// its version resource, both as text and as numbers, and the images of the icon file ICON as
// its first icon. Otherwise it says what differs and exits 1; 2 for a usage error. Used on the
// built programs and on the installer, whose resources come from another tool.
#include "common/WideText.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include <windows.h>

using namespace std::string_literals;

namespace {

int failures = 0;

void Fail(const std::string& what)
{
    (void)std::fprintf(stderr, "%s\n", what.c_str());
    ++failures;
}

std::string Text(const std::wstring& wide)
{
    return Common::Utf8FromWide(wide);
}

std::vector<char> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Little(const char* bytes, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
}

void CheckVersion(const std::wstring& file, const std::wstring& product,
                  const std::wstring& version)
{
    unsigned parts[3] = {};
    if (std::swscanf(version.c_str(), L"%u.%u.%u", &parts[0], &parts[1], &parts[2]) != 3) {
        Fail("not a version: " + Text(version));
        return;
    }
    std::vector<char> block(GetFileVersionInfoSizeW(file.c_str(), nullptr));
    if (block.empty() ||
        !GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) {
        Fail("no version resource");
        return;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    const DWORD high = parts[0] << 16 | parts[1];
    const DWORD low = parts[2] << 16;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) ||
        length < sizeof *fixed) {
        Fail("no fixed version information");
    } else if (fixed->dwFileVersionMS != high || fixed->dwFileVersionLS != low ||
               fixed->dwProductVersionMS != high || fixed->dwProductVersionLS != low) {
        Fail("numeric file or product version is not " + Text(version) + ".0");
    }

    // The strings of the first language the resource lists.
    WORD* translation = nullptr;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length) ||
        length < 2 * sizeof(WORD)) {
        Fail("no translation table");
        return;
    }
    wchar_t language[16];
    (void)std::swprintf(language, 16, L"%04x%04x", translation[0], translation[1]);
    const auto value = [&](const wchar_t* name) {
        const std::wstring query = L"\\StringFileInfo\\"s + language + L"\\" + name;
        wchar_t* text = nullptr;
        UINT characters = 0;
        if (!VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text),
                            &characters) ||
            characters == 0)
            return std::wstring();
        return std::wstring(text);
    };
    for (const auto& [name, expected] : {std::pair{L"ProductName", product},
                                         {L"ProductVersion", version},
                                         {L"FileVersion", version}}) {
        if (value(name) != expected)
            Fail(Text(name) + " is \"" + Text(value(name)) + "\", not \"" + Text(expected) + "\"");
    }
    if (value(L"FileDescription").empty())
        Fail("no FileDescription");
}

// A callback (stdcall on 32-bit Windows, which a lambda cannot be) that stops at the first.
BOOL CALLBACK KeepFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    *reinterpret_cast<LPWSTR*>(found) = name;
    return FALSE;
}

// The first icon group of FILE must hold the images of ICON, byte for byte.
void CheckIcon(const std::wstring& file, const std::filesystem::path& icon)
{
    const std::vector<char> ico = ReadFile(icon);
    if (ico.size() < 6) {
        Fail("cannot read " + icon.string());
        return;
    }
    HMODULE module = LoadLibraryExW(file.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        Fail("cannot open the program's resources");
        return;
    }
    LPWSTR first = nullptr;
    EnumResourceNamesW(module, RT_GROUP_ICON, KeepFirstName, reinterpret_cast<LONG_PTR>(&first));
    const auto bytesOf = [module](LPCWSTR name, LPCWSTR type) {
        HRSRC found = FindResourceW(module, name, type);
        if (found == nullptr)
            return std::string();
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        return std::string(data, SizeofResource(module, found));
    };
    const std::string group = first ? bytesOf(first, RT_GROUP_ICON) : std::string();
    const std::uint32_t count = Little(ico.data() + 4, 2);
    if (group.size() < 6 || Little(group.data() + 4, 2) != count || group.size() < 6 + 14 * count ||
        ico.size() < 6 + 16 * count) {
        Fail("the first icon does not have the icon file's " + std::to_string(count) + " images");
    } else {
        // Group entries are the file's directory entries with the image's resource number
        // (2 bytes) in place of its file offset (4 bytes).
        for (std::uint32_t i = 0; i < count; ++i) {
            const char* entry = group.data() + 6 + std::size_t{14} * i;
            const char* fileEntry = ico.data() + 6 + std::size_t{16} * i;
            const std::uint32_t size = Little(fileEntry + 8, 4);
            const std::uint32_t offset = Little(fileEntry + 12, 4);
            const std::string image = bytesOf(MAKEINTRESOURCEW(Little(entry + 12, 2)), RT_ICON);
            if (std::memcmp(entry, fileEntry, 12) != 0 || offset + size > ico.size() ||
                image != std::string(ico.data() + offset, size))
                Fail("icon image " + std::to_string(i + 1) + " differs from the icon file's");
        }
    }
    FreeLibrary(module);
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 5) {
        (void)std::fprintf(stderr, "usage: version-resource-check FILE PRODUCT VERSION ICON\n");
        return 2;
    }
    CheckVersion(argv[1], argv[2], argv[3]);
    CheckIcon(argv[1], argv[4]);
    if (failures != 0)
        (void)std::fprintf(stderr, "in %s\n", Text(argv[1]).c_str());
    return failures == 0 ? 0 : 1;
}
