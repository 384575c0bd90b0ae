// Writes the sample Kestrel log shipped in examples/: a few dozen invented
// but realistic contacts, one of them with a year that cannot be read.
//
//   generate-sample-log OUTPUT
//
// Each record is 64 bytes: 60 characters of fixed-width fields followed by
// four bytes the converter never reads.

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Contact
{
    const char* date;    // dd?mm?yy, 8 characters
    const char* timeOn;  // hhmm
    const char* band;    // frequency, 3 characters
    const char* mode;    // 3 characters
    const char* call;    // up to 10
    const char* rstSent; // up to 6
    const char* rstRcvd; // up to 6
    const char* grid;    // up to 6, "------" when none
    const char* comment; // up to 12, twelve dashes when none
    char qslSent;        // 'S' when a card went out
    char qslReceived;    // 'R' when a card came back
};

// NOLINTNEXTLINE(cert-err58-cpp): a generator that cannot build its table should end at once.
const std::vector<Contact> kContacts = {
    {"14/03/98", "1830", "14 ", "SSB", "G4ABC", "59", "59", "IO91", "Op Peter", 'S', 'R'},
    {"02/07/99", "0915", "7  ", "CW ", "OK1XYZ", "599", "579", "JO70", "------------", 'S', 'R'},
    {"31/12/99", "2359", "3.5", "CW ", "DL2QRP", "569", "559", "JO62QM", "New Year", 'S', ' '},
    {"01/01/00", "0001", "3.5", "CW ", "F5LMN", "579", "599", "JN18", "HNY 2000", 'S', 'R'},
    {"15/04/01", "1422", "21 ", "SSB", "JA1DXA", "57", "55", "PM95", "long path", 'S', 'R'},
    {"09/09/02", "0640", "14 ", "RTY", "VK2ZZ", "599", "599", "QF56", "------------", ' ', ' '},
    {"10/09/03", "1412", "14 ", "SSB", "N0CALL", "59", "57", "FN42", "------------", ' ', ' '},
    {"22/11/03", "2105", "7  ", "SSB", "EA3BCN", "59", "58", "------", "Jordi", 'S', ' '},
    {"05/02/04", "1130", "28 ", "SSB", "ZS6AAA", "59", "59", "KG44", "10m open!", 'S', 'R'},
    {"29/02/04", "1200", "14 ", "CW ", "W1AW", "599", "599", "FN31", "leap day", 'S', 'R'},
    {"18/06/05", "0805", "144", "FM ", "PA3EHG", "59", "59", "JO22", "via repeater", ' ', ' '},
    {"30/07/06", "1955", "50 ", "SSB", "I2RTF", "55", "53", "JN45", "Es opening", 'S', ' '},
    {"12/08/07", "2240", "10 ", "CW ", "UA3ABC", "579", "589", "KO85", "------------", 'S', 'R'},
    {"03/10/08", "1610", "18 ", "SSB", "VE3XYZ", "59", "59", "FN03", "Caf\xE9 net", ' ', ' '},
    {"25/12/09", "1000", "14 ", "SSB", "KH6ABC", "57", "55", "BL11", "Xmas QSO", 'S', 'R'},
    {"11/03/10", "0320", "1.8", "CW ", "OH2BH", "559", "549", "KP20", "top band", 'S', ' '},
    {"07/05/11", "1745", "21 ", "PSK", "SP9XYZ", "599", "599", "KN09", "PSK31", ' ', ' '},
    {"19/09/12", "1233", "24 ", "CW ", "HB9ABC", "599", "589", "JN47", "------------", 'S', 'R'},
    {"AB/CD/EF", "0000", "14 ", "SSB", "??????", "59", "59", "------", "garbled", ' ', ' '},
    {"01/04/13", "0900", "14 ", "SSB", "ON4UN", "59", "59", "JO21", "5W <dipole>", 'S', 'R'},
    {"16/06/14", "2010", "7  ", "SSB", "CT1ABC", "59", "59", "IM58", "------------", ' ', ' '},
    {"28/08/15", "1515", "28 ", "FM ", "LU1ABC", "59", "57", "GF05", "------------", 'S', ' '},
    {"04/11/16", "0450", "3.5", "CW ", "SM5ABC", "579", "569", "JO89", "QRN heavy", 'S', 'R'},
    {"13/01/17", "1305", "14 ", "FT8", "PY2ABC", "-10", "-15", "GG66", "------------", ' ', ' '},
    {"21/07/18", "1920", "50 ", "FT8", "EI2ABC", "-05", "-08", "IO63", "------------", ' ', ' '},
    {"08/12/19", "1100", "10 ", "FT8", "VU2ABC", "-12", "-14", "MK82", "------------", ' ', ' '},
    {"24/03/20", "1640", "14 ", "SSB", "S51ABC", "59", "59", "JN76", "lockdown", 'S', 'R'},
    {"02/06/21", "0715", "7  ", "CW ", "YO3ABC", "599", "599", "KN34", "------------", 'S', ' '},
    {"17/10/22", "2200", "21 ", "SSB", "4X1ABC", "59", "58", "KM72", "------------", ' ', ' '},
    {"09/02/23", "1255", "18 ", "CW ", "9A1ABC", "589", "579", "JN85", "CWops", 'S', 'R'},
    {"30/05/24", "0830", "14 ", "FT8", "5B4ABC", "-03", "-09", "KM64", "------------", ' ', ' '},
    {"14/09/25", "1710", "28 ", "SSB", "ZL1ABC", "57", "57", "RF72", "great signal", 'S', 'R'},
    {"06/01/26", "0945", "14 ", "CW ", "LZ1ABC", "599", "599", "KN12", "------------", 'S', ' '},
};

// `text` left-aligned in `width` characters, padded with spaces.
std::string Padded(const char* text, std::size_t width)
{
    std::string field(text);
    field.resize(width, ' ');
    return field;
}

std::string Record(const Contact& contact)
{
    std::string record =
        Padded(contact.date, 8) + Padded(contact.timeOn, 4) + Padded(contact.band, 3) +
        Padded(contact.mode, 3) + Padded(contact.call, 10) + Padded(contact.rstSent, 6) +
        Padded(contact.rstRcvd, 6) + Padded(contact.grid, 6) + Padded(contact.comment, 12);
    record += contact.qslSent;
    record += contact.qslReceived;
    record += std::string("\0\0\0\0", 4); // never read
    return record;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        (void)std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    std::FILE* output = std::fopen(argv[1], "wb");
    if (output == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    bool written = true;
    for (const Contact& contact : kContacts) {
        const std::string record = Record(contact);
        written = written && std::fwrite(record.data(), 1, record.size(), output) == record.size();
    }
    if (std::fclose(output) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
