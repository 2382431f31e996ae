// The storage's Windows work: writing its files when the form was loaded,
// deleting them again when it is destroyed. Neither pass exists yet: a
// storage loaded here keeps its files in memory only.
#include "acFileStorage.h"

namespace ac {

void TacFileStorage::RunExtractionPass() {}

void TacFileStorage::RunRemovalPass() {}

} // namespace ac
