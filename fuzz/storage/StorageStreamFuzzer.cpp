// Any bytes as "StoredData": the reader either refuses them or reads files
// that write back to a stream which reads to the same files and writes to
// the same bytes again.
#include "storage/acFileStorage.h"

#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool SameFiles(const ac::TacFileStorage& a, const ac::TacFileStorage& b) {
    if (a.Files().Count() != b.Files().Count()) return false;
    for (int i = 0; i < a.Files().Count(); ++i) {
        const ac::TStoredFile& x = *a.Files().Items(i);
        const ac::TStoredFile& y = *b.Files().Items(i);
        if (x.Name() != y.Name() || !(x.Contents().View() == y.Contents().View())) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ac::TacFileStorage storage(nullptr);
    vcl::ByteReader in(data, size);
    if (storage.ReadStoredData(in)) {
        Check(storage.Files().Count() == 0 && storage.Count() == 0);
        return 0;
    }
    Check(storage.Count() == static_cast<uint32_t>(storage.Files().Count()));
    (void)storage.DataSize();

    vcl::ByteWriter first;
    Check(!storage.WriteStoredData(first));
    ac::TacFileStorage reread(nullptr);
    vcl::ByteReader again(first.Bytes().data(), first.Size());
    Check(!reread.ReadStoredData(again));
    Check(reread.SignatureFound());
    Check(SameFiles(storage, reread));
    vcl::ByteWriter second;
    Check(!reread.WriteStoredData(second));
    Check(first.Bytes() == second.Bytes());
    return 0;
}
