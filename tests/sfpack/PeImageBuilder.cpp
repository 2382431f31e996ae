#include "PeImageBuilder.h"

namespace sfpack::test {

void PutU16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
    bytes.at(offset) = static_cast<uint8_t>(value);
    bytes.at(offset + 1) = static_cast<uint8_t>(value >> 8);
}

void PutU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

PeImage BuildPeImage(const std::string& resourceName, const std::vector<uint8_t>& data, bool pe32) {
    constexpr uint32_t peOffset = 0x40;
    constexpr uint32_t sectionRva = 0x1000;
    constexpr uint32_t sectionFile = 0x200;
    const uint16_t optionalSize = pe32 ? 224 : 240; // 16 data directories
    const uint32_t optional = peOffset + 24;
    const uint32_t sectionTable = optional + optionalSize;

    // Resource tree: root, type directory, name directory, data entry,
    // then the name string and the data.
    const uint32_t typeDir = 0x18, nameDir = 0x30, dataEntry = 0x48, nameString = 0x58;
    const uint32_t dataAt =
        (nameString + 2 + 2 * static_cast<uint32_t>(resourceName.size()) + 7) & ~7u;
    const uint32_t sectionSize = dataAt + static_cast<uint32_t>(data.size());

    PeImage image{};
    std::vector<uint8_t>& b = image.bytes;
    b.assign(sectionFile + sectionSize, 0);
    b[0] = 'M';
    b[1] = 'Z';
    PutU32(b, 0x3C, peOffset);
    PutU32(b, peOffset, 0x00004550);
    PutU16(b, peOffset + 4, pe32 ? 0x14C : 0x8664);
    PutU16(b, peOffset + 6, 1);
    PutU16(b, peOffset + 20, optionalSize);
    PutU16(b, optional, pe32 ? 0x10B : 0x20B);
    PutU32(b, optional + (pe32 ? 92 : 108), 16);
    image.resourceDirectoryField = optional + (pe32 ? 96 : 112) + 16;
    PutU32(b, image.resourceDirectoryField, sectionRva);
    PutU32(b, image.resourceDirectoryField + 4, sectionSize);

    image.sectionHeader = sectionTable;
    const char name[] = ".rsrc";
    for (size_t i = 0; i < 5; ++i)
        b[sectionTable + i] = static_cast<uint8_t>(name[i]);
    PutU32(b, sectionTable + 8, sectionSize);
    PutU32(b, sectionTable + 12, sectionRva);
    PutU32(b, sectionTable + 16, sectionSize);
    PutU32(b, sectionTable + 20, sectionFile);

    const size_t r = sectionFile;
    image.resourceSection = r;
    PutU16(b, r + 14, 1); // root: one id entry
    image.typeEntry = r + 16;
    PutU32(b, r + 16, 10); // RT_RCDATA
    PutU32(b, r + 20, 0x80000000u | typeDir);
    PutU16(b, r + typeDir + 12, 1); // one named entry
    image.nameEntry = r + typeDir + 16;
    PutU32(b, r + typeDir + 16, 0x80000000u | nameString);
    PutU32(b, r + typeDir + 20, 0x80000000u | nameDir);
    PutU16(b, r + nameDir + 14, 1); // one language
    PutU32(b, r + nameDir + 16, 0x409);
    PutU32(b, r + nameDir + 20, dataEntry);
    image.dataEntry = r + dataEntry;
    PutU32(b, r + dataEntry, sectionRva + dataAt);
    PutU32(b, r + dataEntry + 4, static_cast<uint32_t>(data.size()));
    PutU16(b, r + nameString, static_cast<uint16_t>(resourceName.size()));
    for (size_t i = 0; i < resourceName.size(); ++i)
        PutU16(b, r + nameString + 2 + 2 * i, static_cast<uint8_t>(resourceName[i]));
    for (size_t i = 0; i < data.size(); ++i)
        b[r + dataAt + i] = data[i];
    return image;
}

} // namespace sfpack::test
