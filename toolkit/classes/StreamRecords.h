#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "StreamFormat.h"

struct TPropertyRecord;

// One value of a form resource as parsed; texts and bytes point into the resource's buffer.
struct TStreamValue {
  TValueType Type = vaNull;
  int64_t Int = 0;                                    // vaInt8..vaInt64
  std::string_view Text;                              // vaString, vaIdent
  std::span<const uint8_t> Bytes;                     // vaBinary
  std::vector<TStreamValue> Elements;                 // vaList; vaSet (as vaIdent values)
  std::vector<std::vector<TPropertyRecord>> Items;    // vaCollection: each item's properties
  size_t Offset = 0;                                  // where the value starts, for messages
};

struct TPropertyRecord {
  std::string_view Name;  // a property name, or a dotted path through sub-objects ("Font.Size")
  TStreamValue Value;
};

struct TComponentRecord {
  std::string_view ClassName;
  std::string_view Name;
  std::vector<TPropertyRecord> Properties;
  std::vector<TComponentRecord> Children;
};
