#include "PeResources.h"

#include "vcl/ByteReader.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace sfpack {
namespace {

constexpr uint32_t ResourceTypeRcdata = 10;
constexpr uint32_t HighBit = 0x80000000u;
constexpr int ResourceDirectoryIndex = 2;

struct Section {
    uint32_t virtualAddress;
    uint32_t virtualSize;
    uint32_t rawSize;
    uint32_t rawOffset;
};

// Reads little-endian fields at absolute offsets of the file.
class ImageReader {
public:
    explicit ImageReader(vcl::ByteView image) : image_(image) {}

    vcl::Error U16(size_t offset, uint16_t& value, const char* what) const {
        vcl::ByteReader in(image_);
        if (vcl::Error error = in.Skip(offset, what)) return error;
        return in.ReadU16(value, what);
    }
    vcl::Error U32(size_t offset, uint32_t& value, const char* what) const {
        vcl::ByteReader in(image_);
        if (vcl::Error error = in.Skip(offset, what)) return error;
        return in.ReadU32(value, what);
    }
    size_t Size() const { return image_.size; }
    // `offset` and `count` checked by the caller.
    vcl::ByteView Slice(size_t offset, size_t count) const {
        return vcl::ByteView(image_.data + offset, count);
    }

private:
    vcl::ByteView image_;
};

class ResourceFinder {
public:
    explicit ResourceFinder(vcl::ByteView image) : in_(image) {}

    vcl::Error Find(const std::string& name, vcl::ByteView& data) {
        if (vcl::Error error = ReadHeaders()) return error;
        if (resourceRva_ == 0 || resourceSize_ == 0)
            return vcl::Error("the program has no resources");
        uint32_t typeDirectory = 0;
        if (vcl::Error error = FindEntry(0, ById(ResourceTypeRcdata), true, typeDirectory))
            return error.WithContext("RCDATA resources");
        uint32_t nameDirectory = 0;
        if (vcl::Error error = FindEntry(typeDirectory, ByName(name), true, nameDirectory))
            return error.WithContext("RCDATA resource \"" + name + "\"");
        uint32_t dataEntry = 0;
        if (vcl::Error error = FindEntry(nameDirectory, Any(), false, dataEntry))
            return error.WithContext("RCDATA resource \"" + name + "\"");
        return ReadDataEntry(dataEntry, data);
    }

private:
    using Match = std::function<vcl::Error(uint32_t nameField, bool& matches)>;

    vcl::Error ReadHeaders() {
        uint16_t mz = 0;
        if (vcl::Error error = in_.U16(0, mz, "DOS header")) return error;
        if (mz != 0x5A4D) return vcl::Error("not a Windows program: no \"MZ\" header");
        uint32_t peOffset = 0;
        if (vcl::Error error = in_.U32(0x3C, peOffset, "PE header offset")) return error;
        uint32_t signature = 0;
        if (vcl::Error error = in_.U32(peOffset, signature, "PE signature")) return error;
        if (signature != 0x00004550)
            return vcl::Error("not a Windows program: no \"PE\" signature");
        const size_t coff = size_t{peOffset} + 4;
        uint16_t sectionCount = 0, optionalSize = 0, magic = 0;
        if (vcl::Error error = in_.U16(coff + 2, sectionCount, "section count")) return error;
        if (vcl::Error error = in_.U16(coff + 16, optionalSize, "optional header size"))
            return error;
        const size_t optional = coff + 20;
        if (vcl::Error error = in_.U16(optional, magic, "optional header")) return error;
        size_t directories = 0, countField = 0;
        if (magic == 0x10B) {
            countField = 92, directories = 96;
        } else if (magic == 0x20B) {
            countField = 108, directories = 112;
        } else {
            return vcl::Error("unknown optional header magic " + std::to_string(magic));
        }
        uint32_t directoryCount = 0;
        if (vcl::Error error = in_.U32(optional + countField, directoryCount, "directory count"))
            return error;
        const size_t resourceField = directories + 8 * ResourceDirectoryIndex;
        if (directoryCount > ResourceDirectoryIndex && resourceField + 8 <= optionalSize) {
            if (vcl::Error error =
                    in_.U32(optional + resourceField, resourceRva_, "resource directory"))
                return error;
            if (vcl::Error error =
                    in_.U32(optional + resourceField + 4, resourceSize_, "resource directory"))
                return error;
        }
        const size_t table = optional + optionalSize;
        if (sectionCount > (in_.Size() - std::min(in_.Size(), table)) / 40)
            return vcl::Error("the section table lies outside the file");
        for (size_t i = 0; i < sectionCount; ++i) {
            const size_t at = table + 40 * i;
            Section section{};
            if (vcl::Error error = in_.U32(at + 8, section.virtualSize, "section header"))
                return error;
            if (vcl::Error error = in_.U32(at + 12, section.virtualAddress, "section header"))
                return error;
            if (vcl::Error error = in_.U32(at + 16, section.rawSize, "section header"))
                return error;
            if (vcl::Error error = in_.U32(at + 20, section.rawOffset, "section header"))
                return error;
            sections_.push_back(section);
        }
        return vcl::Error();
    }

    // The file offset of `count` bytes at `rva`, all within one section's
    // data in the file.
    vcl::Error RvaToOffset(uint32_t rva, uint32_t count, size_t& offset, const char* what) const {
        for (const Section& section : sections_) {
            if (rva < section.virtualAddress) continue;
            const uint64_t into = uint64_t{rva} - section.virtualAddress;
            if (into >= std::max(section.virtualSize, section.rawSize)) continue;
            if (into + count > section.rawSize ||
                uint64_t{section.rawOffset} + into + count > in_.Size())
                return vcl::Error(std::string("the ") + what + " lies outside the file");
            offset = static_cast<size_t>(section.rawOffset + into);
            return vcl::Error();
        }
        return vcl::Error(std::string("the ") + what + " lies in no section");
    }

    // Offsets inside the resource directory are relative to its start.
    vcl::Error DirectoryU32(uint32_t relative, uint32_t& value, const char* what) const {
        size_t offset = 0;
        if (vcl::Error error = DirectoryOffset(relative, 4, offset, what)) return error;
        return in_.U32(offset, value, what);
    }

    vcl::Error DirectoryU16(uint32_t relative, uint16_t& value, const char* what) const {
        size_t offset = 0;
        if (vcl::Error error = DirectoryOffset(relative, 2, offset, what)) return error;
        return in_.U16(offset, value, what);
    }

    vcl::Error DirectoryOffset(uint32_t relative, uint32_t count, size_t& offset,
                               const char* what) const {
        if (relative > resourceSize_ || resourceSize_ - relative < count ||
            uint64_t{resourceRva_} + relative > UINT32_MAX)
            return vcl::Error(std::string("the ") + what + " lies outside the resource directory");
        return RvaToOffset(resourceRva_ + relative, count, offset, what);
    }

    static Match ById(uint32_t id) {
        return [id](uint32_t field, bool& matches) {
            matches = (field & HighBit) == 0 && field == id;
            return vcl::Error();
        };
    }

    Match ByName(const std::string& name) const {
        return [this, name](uint32_t field, bool& matches) {
            matches = false;
            if ((field & HighBit) == 0) return vcl::Error();
            const uint32_t at = field & ~HighBit;
            uint16_t length = 0;
            if (vcl::Error error = DirectoryU16(at, length, "resource name")) return error;
            if (length != name.size()) return vcl::Error();
            std::vector<uint16_t> units(length);
            for (uint32_t i = 0; i < length; ++i)
                if (vcl::Error error = DirectoryU16(at + 2 + 2 * i, units[i], "resource name"))
                    return error;
            for (uint32_t i = 0; i < length; ++i)
                if (Upper(units[i]) != Upper(static_cast<uint8_t>(name[i]))) return vcl::Error();
            matches = true;
            return vcl::Error();
        };
    }

    static Match Any() {
        return [](uint32_t, bool& matches) {
            matches = true;
            return vcl::Error();
        };
    }

    static uint32_t Upper(uint32_t unit) {
        return unit >= 'a' && unit <= 'z' ? unit - 'a' + 'A' : unit;
    }

    // Looks through the directory at `directory` for an entry that matches;
    // `wantDirectory` says whether it must lead to a further directory.
    vcl::Error FindEntry(uint32_t directory, const Match& match, bool wantDirectory,
                         uint32_t& target) const {
        uint32_t counts = 0;
        if (vcl::Error error = DirectoryU32(directory + 12, counts, "resource directory"))
            return error;
        const uint32_t entries = (counts & 0xFFFF) + (counts >> 16);
        if (entries > (resourceSize_ - directory) / 8)
            return vcl::Error("resource directory entries lie outside the resource directory");
        for (uint32_t i = 0; i < entries; ++i) {
            const uint32_t entry = directory + 16 + 8 * i;
            uint32_t nameField = 0, dataField = 0;
            if (vcl::Error error = DirectoryU32(entry, nameField, "resource directory entry"))
                return error;
            if (vcl::Error error = DirectoryU32(entry + 4, dataField, "resource directory entry"))
                return error;
            bool matches = false;
            if (vcl::Error error = match(nameField, matches)) return error;
            if (!matches) continue;
            if (((dataField & HighBit) != 0) != wantDirectory)
                return vcl::Error("malformed resource directory");
            target = dataField & ~HighBit;
            if (wantDirectory && target <= directory)
                return vcl::Error("resource directory points backwards"); // no loops
            return vcl::Error();
        }
        return vcl::Error("not found");
    }

    vcl::Error ReadDataEntry(uint32_t entry, vcl::ByteView& data) const {
        uint32_t rva = 0, size = 0;
        if (vcl::Error error = DirectoryU32(entry, rva, "resource data entry")) return error;
        if (vcl::Error error = DirectoryU32(entry + 4, size, "resource data entry")) return error;
        size_t offset = 0;
        if (vcl::Error error = RvaToOffset(rva, size, offset, "resource data")) return error;
        data = in_.Slice(offset, size);
        return vcl::Error();
    }

    ImageReader in_;
    std::vector<Section> sections_;
    uint32_t resourceRva_ = 0;
    uint32_t resourceSize_ = 0;
};

} // namespace

bool LooksLikeWindowsProgram(vcl::ByteView image) {
    return image.size >= 2 && image.data[0] == 'M' && image.data[1] == 'Z';
}

vcl::Error FindRcdataResource(vcl::ByteView image, const std::string& name, vcl::ByteView& data) {
    return ResourceFinder(image).Find(name, data);
}

} // namespace sfpack
