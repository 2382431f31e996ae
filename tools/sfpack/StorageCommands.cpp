// sfpack store / list / extract: storage streams and the files inside them.
#include "Commands.h"
#include "ExtractPath.h"
#include "FileIO.h"
#include "InputFile.h"
#include "StoredFiles.h"
#include "ToolError.h"

#include "packer/acSFPack.h"

#include <cstdio>
#include <filesystem>

namespace sfpack {
namespace fs = std::filesystem;
namespace {

// "NAME=PATH" stores PATH under NAME; a plain PATH under its file name.
void SplitStoreArgument(const std::string& argument, std::string& name, std::string& path) {
    const size_t equals = argument.find('=');
    if (equals == std::string::npos) {
        path = argument;
        name = fs::path(argument).filename().string();
    } else {
        name = argument.substr(0, equals);
        path = argument.substr(equals + 1);
    }
    if (name.empty()) throw UsageError("'" + argument + "' gives no stored name");
    if (path.empty()) throw UsageError("'" + argument + "' gives no file");
}

std::string Plural(size_t count, const char* word) {
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

std::string Column(const std::string& text, size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// One line about the storage (after `lead`), then a table of its files.
void ListStorage(const ac::TacFileStorage& storage, const std::string& lead,
                 const std::string& indent, std::string& out) {
    out += lead + (storage.SignatureFound() ? "signed" : "unsigned") + " layout, " +
           Plural(storage.Files().Count(), "file") + ", " + std::to_string(storage.DataSize()) +
           " bytes\n";
    if (storage.Files().Count() == 0) return;
    out += indent + "  " + Column("unpacked", 10) + "  " + Column("packed", 10) + "  name\n";
    for (int i = 0; i < storage.Files().Count(); ++i) {
        const ac::TStoredFile& file = *storage.Files().Items(i);
        const std::string packed =
            storage.SignatureFound() ? std::to_string(file.PackedSize()) : std::string("-");
        out += indent + "  " + Column(std::to_string(file.Size()), 10) + "  " + Column(packed, 10) +
               "  " + DisplayName(file.Name()) + "\n";
    }
}

void ListObject(const vcl::FormObject& object, const std::vector<FoundStorage>& storages,
                size_t& next, const std::string& indent, std::string& out) {
    out +=
        indent + (object.name.empty() ? "(unnamed)" : object.name) + ": " + object.className + "\n";
    for (const vcl::FormProperty& property : object.properties) {
        if (!IsStoredDataProperty(property.name) || property.value.type != vcl::ValueType::Binary)
            continue;
        ListStorage(*storages.at(next++).storage, indent + "  " + property.name + ": ",
                    indent + "  ", out);
    }
    for (const vcl::FormObject& child : object.children)
        ListObject(child, storages, next, indent + "  ", out);
}

} // namespace

int RunStore(const Args& args) {
    if (args.size() < 2) throw UsageError("expected an output file and at least one file to store");
    ac::TacFileStorage storage(nullptr);
    for (size_t i = 1; i < args.size(); ++i) {
        std::string name, path;
        SplitStoreArgument(args[i], name, path);
        const std::vector<uint8_t> contents = ReadWholeFile(path, acsf::MaxStreamInput);
        if (vcl::Error error = storage.AddStoredFile(name, vcl::ByteView(contents)))
            throw ToolError("'" + path + "': " + error.Message());
    }
    vcl::ByteWriter stream;
    if (vcl::Error error = storage.WriteStoredData(stream)) throw ToolError(error.Message());
    WriteFileAtomically(args[0], stream.Bytes().data(), stream.Size());
    return ExitOk;
}

int RunList(const Args& args) {
    if (args.size() != 1) throw UsageError("expected 1 argument");
    const InputFile input = ReadInputFile(args[0]);
    const std::vector<FoundStorage> storages = ReadStorages(input);
    std::string out;
    if (input.kind == InputKind::StorageStream) {
        ListStorage(*storages.at(0).storage, "storage stream, ", "", out);
    } else {
        out += input.kind == InputKind::WindowsProgram
                   ? std::string("form definition in RCDATA resource \"") + FormResourceName +
                         "\" of a Windows program\n"
                   : "form definition\n";
        size_t next = 0;
        ListObject(ReadDefinition(input), storages, next, "", out);
    }
    std::fputs(out.c_str(), stdout);
    return ExitOk;
}

int RunExtract(const Args& args) {
    if (args.size() != 2) throw UsageError("expected 2 arguments");
    const InputFile input = ReadInputFile(args[0]);
    const std::vector<FoundStorage> storages = ReadStorages(input);

    // Every name is checked before anything is written.
    struct Target {
        const ac::TStoredFile* file;
        std::vector<std::string> parts;
    };
    std::vector<Target> targets;
    for (const FoundStorage& found : storages) {
        for (int i = 0; i < found.storage->Files().Count(); ++i) {
            const ac::TStoredFile* file = found.storage->Files().Items(i);
            std::string reason;
            std::vector<std::string> parts = SplitStoredName(file->Name(), reason);
            if (parts.empty())
                throw ToolError("refusing stored name \"" + DisplayName(file->Name()) + "\"" +
                                (found.where.empty() ? "" : " in " + found.where) + ": " + reason);
            targets.push_back(Target{file, std::move(parts)});
        }
    }

    const fs::path root(args[1]);
    std::error_code error;
    fs::create_directories(root, error);
    if (error || !fs::is_directory(root))
        throw ToolError("cannot create folder '" + args[1] + "'" +
                        (error ? ": " + error.message() : std::string()));
    for (const Target& target : targets) {
        fs::path path = root;
        for (size_t i = 0; i < target.parts.size(); ++i) {
            path /= target.parts[i];
            // A link inside the folder could lead anywhere: never follow one.
            if (fs::is_symlink(fs::symlink_status(path)))
                throw ToolError("refusing to write through the link '" + path.string() + "'");
            if (i + 1 < target.parts.size()) {
                fs::create_directory(path, error);
                if (error || !fs::is_directory(fs::symlink_status(path)))
                    throw ToolError("cannot create folder '" + path.string() + "'" +
                                    (error ? ": " + error.message() : std::string()));
            }
        }
        const ac::MemoryBlock& contents = target.file->Contents();
        WriteFileAtomically(path.string(), contents.Data(), contents.Size());
    }
    return ExitOk;
}

} // namespace sfpack
