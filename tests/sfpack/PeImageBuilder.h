// Builds small Windows program images with a resource section, for the
// tests of the resource reader: just the headers and the resource tree a
// real linker writes, nothing that runs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sfpack::test {

struct PeImage {
    std::vector<uint8_t> bytes;
    // File offsets of fields a test may break.
    size_t resourceDirectoryField; // RVA and size of the resource directory
    size_t sectionHeader;          // the .rsrc section header
    size_t resourceSection;        // start of the resource tree
    size_t typeEntry;              // root entry naming RT_RCDATA
    size_t nameEntry;              // entry naming the resource
    size_t dataEntry;              // RVA and size of the data
};

// A PE32+ (or, with pe32, PE32) image holding one RCDATA resource.
PeImage BuildPeImage(const std::string& resourceName, const std::vector<uint8_t>& data,
                     bool pe32 = false);

void PutU16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value);
void PutU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value);

} // namespace sfpack::test
