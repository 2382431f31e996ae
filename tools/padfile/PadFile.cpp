// padfile IN OUT SIZE: copies IN to OUT and appends deterministic
// installer-like bytes (mostly incompressible, with zero-filled stretches)
// until OUT is exactly SIZE bytes. Used at build time to give the stand-in
// setup program the real installer's size.
#include "sampledata/SampleData.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: padfile IN OUT SIZE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "padfile: cannot open '%s'\n", argv[1]);
        return 1;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    char* end = nullptr;
    const unsigned long long size = std::strtoull(argv[3], &end, 10);
    if (*end != '\0' || size < bytes.size()) {
        std::fprintf(stderr, "padfile: '%s' is no size of at least %zu bytes\n", argv[3], bytes.size());
        return 1;
    }
    const sample::Bytes padding = sample::InstallerPayload(static_cast<size_t>(size) - bytes.size(), 20);
    bytes.insert(bytes.end(), padding.begin(), padding.end());
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "padfile: cannot write '%s'\n", argv[2]);
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
