// sfpack form compile / form dump: the text form of a definition and the
// binary form, both ways. Binary data in the text names files beside it.
#include "Commands.h"
#include "FileIO.h"
#include "InputFile.h"
#include "StoredFiles.h"
#include "ToolError.h"

#include "packer/acSFPack.h"
#include "storage/StoredDataText.h"
#include "vcl/FormBinary.h"
#include "vcl/FormGraphic.h"
#include "vcl/FormText.h"

#include <cstdio>
#include <filesystem>
#include <set>

namespace sfpack {
namespace fs = std::filesystem;
namespace {

// A file name that is safe and plain in any folder: letters, digits, '.',
// '-' and '_' only, never starting with a dot.
std::string SafeFileName(const std::string& suggested) {
    std::string name;
    for (char c : suggested) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
        name += plain ? c : '_';
    }
    if (name.empty() || name[0] == '.') name.insert(0, "_");
    return name;
}

// Names the data files of a dump, each once.
class DataFileNames {
public:
    explicit DataFileNames(const std::string& reserved) { used_.insert(reserved); }

    std::string Next(const std::string& suggested) {
        const std::string base = SafeFileName(suggested);
        std::string name = base;
        for (int n = 2; used_.count(name); ++n)
            name = base + "-" + std::to_string(n);
        used_.insert(name);
        return name;
    }

private:
    std::set<std::string> used_;
};

} // namespace

int RunFormCompile(const Args& args) {
    if (args.size() != 2) throw UsageError("expected 2 arguments");
    const std::vector<uint8_t> bytes = ReadWholeFile(args[0], acsf::MaxStreamInput);
    const std::string text(bytes.begin(), bytes.end());
    const fs::path base = fs::path(args[0]).parent_path();

    vcl::TextReadOptions options;
    options.loadFile = [&base](const std::string& reference, vcl::BinaryData& data) {
        const fs::path path =
            fs::path(reference).is_absolute() ? fs::path(reference) : base / reference;
        try {
            data = vcl::BinaryData::Own(ReadWholeFile(path.string(), acsf::MaxStreamInput));
        } catch (const ToolError& error) {
            return vcl::Error(error.what());
        }
        return vcl::Error();
    };
    vcl::FormObject root;
    if (vcl::Error error = vcl::ParseFormText(text, options, root))
        throw ToolError("'" + args[0] + "': " + error.Message());
    if (vcl::Error error = vcl::EncodeGraphicValues(root))
        throw ToolError("'" + args[0] + "': " + error.Message());
    if (vcl::Error error = ac::EncodeStoredDataValues(root))
        throw ToolError("'" + args[0] + "': " + error.Message());
    vcl::ByteWriter out;
    if (vcl::Error error = vcl::WriteFormDefinition(root, out))
        throw ToolError("'" + args[0] + "': " + error.Message());
    WriteFileAtomically(args[1], out.Bytes().data(), out.Size());
    return ExitOk;
}

int RunFormDump(const Args& args) {
    if (args.size() != 1 && args.size() != 2) throw UsageError("expected 1 or 2 arguments");
    const InputFile input = ReadInputFile(args[0]);
    vcl::FormObject root = ReadDefinition(input);
    vcl::DecodeGraphicValues(root);
    std::vector<std::string> notes;
    ac::DecodeStoredDataValues(root, notes);
    for (const std::string& note : notes)
        std::fprintf(stderr, "sfpack: note: %s\n", note.c_str());

    if (args.size() == 1) {
        std::string text;
        if (vcl::Error error = vcl::FormatFormText(root, {}, text))
            throw ToolError(error.Message());
        std::fputs(text.c_str(), stdout);
        return ExitOk;
    }

    // Text and data files are written only once the whole text was made.
    const fs::path textPath(args[1]);
    const fs::path folder = textPath.parent_path();
    DataFileNames names(textPath.filename().string());
    std::vector<std::pair<std::string, vcl::ByteView>> dataFiles;
    vcl::TextWriteOptions options;
    options.storeFile = [&](const std::string& suggested, vcl::ByteView data,
                            std::string& reference) {
        reference = names.Next(suggested);
        dataFiles.emplace_back(reference, data);
        return vcl::Error();
    };
    std::string text;
    if (vcl::Error error = vcl::FormatFormText(root, options, text))
        throw ToolError(error.Message());
    if (!folder.empty()) {
        std::error_code error;
        fs::create_directories(folder, error);
        if (error)
            throw ToolError("cannot create folder '" + folder.string() + "': " + error.message());
    }
    for (const auto& file : dataFiles)
        WriteFileAtomically((folder / file.first).string(), file.second.data, file.second.size);
    WriteFileAtomically(args[1], reinterpret_cast<const uint8_t*>(text.data()), text.size());
    return ExitOk;
}

} // namespace sfpack
