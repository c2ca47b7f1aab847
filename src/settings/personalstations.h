#pragma once

#include "settings/personalstation.h"

#include <array>

// Slots 1 to 15 are elements 0 to 14.
using PersonalStations = std::array<PersonalStation, 15>;

// Empty slots squeezed out, the filled ones moved down in their order, the
// freed slots at the end emptied.
PersonalStations compacted(const PersonalStations &stations);
