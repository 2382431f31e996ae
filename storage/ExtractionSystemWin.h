// The Win32 implementation of ExtractionSystem. Windows builds only; the
// header itself stays free of <windows.h>.
#pragma once

#include "ExtractionSystem.h"

namespace ac {

ExtractionSystem& Win32ExtractionSystem();

} // namespace ac
