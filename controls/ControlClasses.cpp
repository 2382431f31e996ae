#include "ControlClasses.h"

#include "BitBtn.h"
#include "Image.h"
#include "Label.h"
#include "acURLLabel.h"

namespace vcl {

void RegisterControlClasses(ClassRegistry& registry) {
    registry.Register(TImage::StaticClassInfo());
    registry.Register(TLabel::StaticClassInfo());
    registry.Register(TBitBtn::StaticClassInfo());
    registry.Register(TacURLLabel::StaticClassInfo());
}

} // namespace vcl
