#include "ReferencePacker.h"

namespace acsf::test {
namespace {

void Put16(Bytes& out, size_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutCount(Bytes& out, size_t runLength) {
    const size_t count = runLength - 1;
    if (count <= 255) {
        out.push_back(static_cast<uint8_t>(count));
    } else {
        out.push_back(0);
        Put16(out, count);
    }
}

// Length of the stretch of bytes equal to block[k] starting at k.
size_t RunLength(const uint8_t* block, size_t len, size_t k) {
    size_t j = k;
    while (j < len && block[j] == block[k])
        ++j;
    return j - k;
}

Bytes ReferenceBlock(const uint8_t* block, size_t len) {
    bool present[256] = {};
    for (size_t i = 0; i < len; ++i)
        present[block[i]] = true;
    int escape = -1;
    for (int v = 0; v < 256 && escape < 0; ++v)
        if (!present[v]) escape = v;

    Bytes body;
    if (escape >= 0) {
        Put16(body, static_cast<size_t>(escape));
        for (size_t k = 0; k < len;) {
            const size_t run = RunLength(block, len, k);
            if (run >= 4) {
                body.push_back(static_cast<uint8_t>(escape));
                body.push_back(block[k]);
                PutCount(body, run);
                k += run;
            } else {
                body.push_back(block[k]);
                ++k;
            }
        }
        return body;
    }
    std::vector<size_t> entries;
    body = {0, 0};
    for (size_t k = 0; k < len;) {
        body.push_back(block[k]);
        const size_t run = RunLength(block, len, k);
        if (run >= 5) {
            entries.push_back(body.size());
            PutCount(body, run);
            k += run;
        } else {
            ++k;
        }
    }
    body[0] = static_cast<uint8_t>(body.size());
    body[1] = static_cast<uint8_t>(body.size() >> 8);
    for (size_t i = entries.size(); i-- > 0;)
        Put16(body, entries[i]);
    return body;
}

} // namespace

Bytes ReferencePack(const Bytes& input) {
    Bytes out;
    const size_t n = input.size();
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(n >> shift));
    for (size_t start = 0; start < n; start += 65533) {
        const size_t len = std::min<size_t>(65533, n - start);
        const Bytes body = ReferenceBlock(input.data() + start, len);
        Put16(out, body.size());
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

} // namespace acsf::test
