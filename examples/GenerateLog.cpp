// Writes an invented Kestrel log of any size, for benchmarks and tests:
//
//   generate-log RECORDS SEED OUTPUT
//
// The same RECORDS and SEED make the same bytes on every system.

#include "examples/RandomLog.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[])
{
    char* end = nullptr;
    const unsigned long long records = argc == 4 ? std::strtoull(argv[1], &end, 10) : 0;
    if (argc != 4 || *end != '\0') {
        (void)std::fprintf(stderr, "usage: %s RECORDS SEED OUTPUT\n", argv[0]);
        return 2;
    }
    Examples::RandomLog log(std::strtoull(argv[2], nullptr, 10));
    std::FILE* output = std::fopen(argv[3], "wb");
    if (output == nullptr) {
        std::perror(argv[3]);
        return 1;
    }
    bool written = true;
    for (unsigned long long i = 0; i < records && written; ++i) {
        const std::string record = log.NextRecord();
        written = std::fwrite(record.data(), 1, record.size(), output) == record.size();
    }
    if (std::fclose(output) != 0 || !written) {
        std::perror(argv[3]);
        return 1;
    }
    return 0;
}
