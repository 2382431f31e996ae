// A picture's binary property ("Picture.Data"): the graphic class name as a
// ShortString, then the 4-byte length of the graphic's data and the data.
// In the text form it is written as graphic 'TJPEGImage' file 'logo.jpg'.
#pragma once

#include "ByteView.h"
#include "Error.h"
#include "FormValue.h"

#include <string>

namespace vcl {

struct GraphicData {
    std::string className;
    ByteView data; // a view into the property's bytes
};

// Splits a picture's bytes; fails unless they are exactly that layout.
Error ParseGraphicData(ByteView bytes, GraphicData& graphic);
std::vector<uint8_t> BuildGraphicData(const std::string& className, ByteView data);

// Turns every "graphic" value of the tree into binary data.
Error EncodeGraphicValues(FormObject& root);
// Shows every binary property named "Picture.Data" (or ending so) whose
// bytes have the picture layout as a "graphic" value.
void DecodeGraphicValues(FormObject& root);

} // namespace vcl
