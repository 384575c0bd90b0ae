// Emscripten's C library has strftime but not its wide twin, which the
// header's date (the month's name) is formatted with: this one formats with
// strftime and widens the result.

#include <climits>
#include <cstddef>
#include <ctime>
#include <cwchar>
#include <string>
#include <vector>

extern "C" std::size_t wcsftime(wchar_t* out, std::size_t size, const wchar_t* format,
                                const std::tm* time)
{
    std::mbstate_t state{};
    const wchar_t* source = format;
    const std::size_t formatLength = std::wcsrtombs(nullptr, &source, 0, &state);
    if (formatLength == static_cast<std::size_t>(-1))
        return 0;
    std::string narrowFormat(formatLength, '\0');
    source = format;
    state = {};
    if (std::wcsrtombs(narrowFormat.data(), &source, formatLength, &state) != formatLength)
        return 0;

    // Room for every character the caller has room for, each up to a few bytes.
    std::vector<char> narrow(size * MB_LEN_MAX + 1);
    const std::size_t written =
        std::strftime(narrow.data(), narrow.size(), narrowFormat.c_str(), time);
    if (written == 0 && size > 0) {
        out[0] = L'\0';
        return 0;
    }
    const char* text = narrow.data();
    state = {};
    const std::size_t widened = std::mbsrtowcs(out, &text, size, &state);
    // Too long for `out`, or not text: nothing, as wcsftime tells either.
    if (widened == static_cast<std::size_t>(-1) || widened >= size)
        return 0;
    return widened;
}
