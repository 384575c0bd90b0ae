// Reads an ADI file with the library of LoTW's signer, TQSL, and prints each record it would
// refuse to sign as "record K: reason" (K counts the file's records from 1), then "N records
// read, M refused". Exit status: 0 when no record is refused, 1 when any is, 2 when the file
// cannot be read to its end.
//
// No certificate is needed: the library runs its checks of a QSO (call, band, mode, date, time)
// before it looks for a certificate to sign it with, so a record that passes them all is
// refused for want of a certificate only, and counts as passing.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>

// Debian's trustedqsl package ships the library without its headers: these are the
// library's own declarations, its handles being plain pointers.
extern "C" {
using TqslHandle = void*;
int tqsl_init();
int tqsl_initStationLocationCapture(TqslHandle* location);
int tqsl_setLocationCallSign(TqslHandle location, const char* call, int dxcc);
int tqsl_endStationLocationCapture(TqslHandle* location);
int tqsl_beginADIFConverter(TqslHandle* converter, const char* file, TqslHandle* certificates,
                            int certificateCount, TqslHandle location);
const char* tqsl_getConverterGABBI(TqslHandle converter);
int tqsl_endConverter(TqslHandle* converter);
const char* tqsl_getErrorString_v(int error);
extern int tQSL_Error;
}

namespace {

// The library's error numbers; the flag marks an error whose details it keeps as text.
constexpr int kAdifError = 3;
constexpr int kCertificateNotFound = 33;
constexpr int kDetailsFlag = 0x1000;

// A DXCC entity for the station location: without one the library formats its "no
// certificate" message with an entity name it never found, and crashes.
constexpr int kUnitedStates = 291;

// The reader's messages quote the record's bytes; the report stays printable.
std::string Printable(std::string_view text)
{
    static constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string printable;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            printable += c;
        } else {
            printable += "\\x";
            printable += kHex[byte >> 4];
            printable += kHex[byte & 0x0F];
        }
    }
    return printable;
}

std::string LastError(int error)
{
    const char* text = tqsl_getErrorString_v(error);
    return Printable(text != nullptr ? text : "unknown error");
}

// The library keeps its configuration and its duplicate records in TQSLDIR; a folder of our
// own keeps the user's untouched.
class ScratchDirectory
{
public:
    ScratchDirectory()
    {
        if (std::getenv("TQSLDIR") != nullptr)
            return;
        std::string pattern = (std::filesystem::temp_directory_path() / "tqsl-check-XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr)
            return;
        path_ = pattern;
        setenv("TQSLDIR", path_.c_str(), 1);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    ~ScratchDirectory()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }

private:
    std::filesystem::path path_;
};

int Check(const char* file)
{
    if (tqsl_init() != 0) {
        std::cerr << "tqsl-check: the library does not start: " << LastError(tQSL_Error) << '\n';
        return 2;
    }
    TqslHandle location = nullptr;
    if (tqsl_initStationLocationCapture(&location) != 0 ||
        tqsl_setLocationCallSign(location, "N0CALL", kUnitedStates) != 0) {
        std::cerr << "tqsl-check: no station location: " << LastError(tQSL_Error) << '\n';
        return 2;
    }
    TqslHandle converter = nullptr;
    if (tqsl_beginADIFConverter(&converter, file, nullptr, 0, location) != 0) {
        std::cerr << "tqsl-check: " << Printable(file) << ": " << LastError(tQSL_Error) << '\n';
        tqsl_endStationLocationCapture(&location);
        return 2;
    }
    int status = 0;
    long records = 0;
    long refused = 0;
    while (true) {
        tQSL_Error = 0;
        const char* signedRecord = tqsl_getConverterGABBI(converter);
        const int error = tQSL_Error;
        if (signedRecord != nullptr) {
            // The first answer names the library; a record is never signed without a certificate.
            if (std::string_view(signedRecord).starts_with("<TQSL_IDENT:"))
                continue;
            std::cerr << "tqsl-check: a record was signed without a certificate\n";
            status = 2;
            break;
        }
        if (error == 0)
            break; // the end of the file
        if (error == kAdifError) {
            // The library keeps the part of the record it read; what follows would not be
            // counted right.
            std::cerr << "tqsl-check: " << Printable(file) << ": record " << records + 1
                      << " cannot be read: " << LastError(error) << '\n';
            status = 2;
            break;
        }
        ++records;
        if ((error & ~kDetailsFlag) == kCertificateNotFound)
            continue;
        ++refused;
        std::cout << "record " << records << ": " << LastError(error) << '\n';
    }
    tqsl_endConverter(&converter);
    tqsl_endStationLocationCapture(&location);
    std::cout << records << " records read, " << refused << " refused\n";
    if (status != 0)
        return status;
    return refused == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: tqsl-check ADI_FILE\n";
        return 2;
    }
    const ScratchDirectory scratch;
    return Check(argv[1]);
}
