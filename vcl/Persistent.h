// The base of every object whose settings a form definition carries.
//
// A class describes its published properties in a ClassInfo (name, parent
// class, factory, property list; see ClassInfo.h). Properties whose bytes
// only the class itself understands (a storage's "StoredData", a picture's
// "Data") are declared through DefineProperties instead, like a filer hook:
// the form reader hands such a property's bytes to the declared reader, and
// the form writer writes it only when the declared has-data flag is set.
#pragma once

#include "ByteReader.h"
#include "ByteWriter.h"
#include "Error.h"

#include <functional>
#include <string>

namespace vcl {

class ClassInfo;

class TFiler {
public:
    using BinaryReader = std::function<Error(ByteReader& data)>;
    using BinaryWriter = std::function<Error(ByteWriter& data)>;

    virtual ~TFiler() = default;
    // Declares the binary property `name`. `read` gets a reader over exactly
    // the property's bytes; `write` is called only when `hasData` is true.
    virtual void DefineBinaryProperty(const std::string& name, BinaryReader read,
                                      BinaryWriter write, bool hasData) = 0;
};

class TPersistent {
public:
    TPersistent() = default;
    TPersistent(const TPersistent&) = delete;
    TPersistent& operator=(const TPersistent&) = delete;
    virtual ~TPersistent() = default;

    static const ClassInfo& StaticClassInfo();
    virtual const ClassInfo& GetClassInfo() const { return StaticClassInfo(); }
    const std::string& ClassName() const;

    // Declares the binary properties of this object; none by default.
    virtual void DefineProperties(TFiler& filer);
};

} // namespace vcl
