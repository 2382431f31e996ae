// The text form of a definition, for writing and reviewing layouts.
//
//     object Form1: TForm1
//       Caption = 'Installation'
//       Font.Style = []
//       OnClick = Image2Click
//       object Image2: TImage
//         Picture.Data = graphic 'TJPEGImage' file 'logo.jpg'
//       end
//       object acFileStorage1: TacFileStorage
//         AutoExtract.Enabled = True
//         StoredData = storage
//           'qv_quietlocksetup_full.exe' = file 'setup.exe'
//         end
//       end
//     end
//
// Objects: "object NAME: CLASS", or "inherited" / "inline" (both may be
// given) for the flags of the same names; an optional "[N]" after the class
// gives the child position. Then the properties, the nested objects, "end".
// A property is NAME = VALUE; dotted names reach sub-objects. Names that are
// not identifiers are quoted: 'odd name' = 1.
//
// Values:
//   12  -11                integer, stored in the smallest type that holds it
//   int8 1, int16 1, int32 1, int64 1   integer of exactly that type
//   'text'                 8-bit text: '' is a quote, #N a byte by number,
//                          pieces join without blanks: 'Zeile 1'#13#10'Zeile 2'.
//                          A short string up to 255 bytes, a long string beyond
//   lstring 'text'         a long string even when short
//   utf8 'text'            UTF-8 text, bytes as written (#N is a byte)
//   wide 'text'            UTF-16 text (the quoted text is read as UTF-8; #N
//                          is a code unit)
//   clWhite                an identifier (enumeration value, colour, handler)
//   ident 'name'           an identifier that is not plain (or is a keyword)
//   True False nil
//   [fsBold, fsUnderline]  a set
//   ( VALUE VALUE ... )    a list
//   < item PROPERTIES end  item 3 PROPERTIES end >   a collection; "item N"
//                          gives the item's order number (int16 N etc. too)
//   {48656C6C6F}           binary data in hex; blanks and line breaks allowed
//   file 'logo.jpg'        binary data: a file's bytes (relative to the text)
//   graphic 'TJPEGImage' BINARY    a picture: graphic class name and data
//   storage 'NAME' = BINARY ... end    the files of a storage ("StoredData"),
//                          stored under NAME; written as a storage stream
//   extended {..}, single {..}, double {..}, currency {..}, date {..}
//                          raw little-endian bytes (10, 4, 8, 8, 8)
// Comments run from // to the end of the line.
//
// Reading gives a FormObject tree in which "graphic" and "storage" values
// are still text-only kinds; EncodeGraphicValues (FormGraphic.h) and
// EncodeStoredDataValues (storage) turn them into binary data. A binary
// definition written as text and read back gives the same bytes.
#pragma once

#include "ByteView.h"
#include "Error.h"
#include "FormValue.h"

#include <functional>
#include <string>

namespace vcl {

struct TextReadOptions {
    // Loads a file that a "file" value names. Without it "file" is an error.
    std::function<Error(const std::string& reference, BinaryData& data)> loadFile;
};

struct TextWriteOptions {
    // Stores binary data in a file and gives the reference to write into the
    // text. `suggestedName` names the object and property ("Image2.Picture.jpg").
    // Without it binary data is written inline in hex.
    std::function<Error(const std::string& suggestedName, ByteView data, std::string& reference)>
        storeFile;
};

Error ParseFormText(const std::string& text, const TextReadOptions& options, FormObject& root);

Error FormatFormText(const FormObject& root, const TextWriteOptions& options, std::string& text);

} // namespace vcl
