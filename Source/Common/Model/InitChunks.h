#pragma once
// Diagnostics of the initial records (the records themselves are declared in SynthData.h).
#include <vector>

#include "Common/Model/Tables/InitialValues.h"

namespace QorX0 {

// Initial values whose row no table of their record has (names as written in the value lists).
std::vector<const INITVALUE*> UnresolvedInitValues();

}  // namespace QorX0
