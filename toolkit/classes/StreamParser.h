#pragma once
#include <cstdint>
#include <span>

#include "StreamRecords.h"

// Parses a whole form resource, checking its structure, before anything is applied to a component.
// Raises EReadError naming the byte offset for truncated data, unknown value types, nesting deeper
// than kMaxFormNesting, lengths past the end or data after the root component. Never reads outside
// Data; the result points into Data.
TComponentRecord ParseFormResource(std::span<const uint8_t> Data);
