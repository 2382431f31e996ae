#include "ExtractionSystem.h"

#ifdef _WIN32
#include "ExtractionSystemWin.h"
#endif

namespace ac {

namespace {

ExtractionSystem*& Current() {
#ifdef _WIN32
    static ExtractionSystem* system = &Win32ExtractionSystem();
#else
    static ExtractionSystem* system = nullptr;
#endif
    return system;
}

} // namespace

ExtractionSystem* DefaultExtractionSystem() {
    return Current();
}

ExtractionSystem* SetDefaultExtractionSystem(ExtractionSystem* system) {
    ExtractionSystem* const previous = Current();
    Current() = system;
    return previous;
}

} // namespace ac
