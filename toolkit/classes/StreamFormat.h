#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// Constants of the form-resource format; the layout is described at the top of Writer.h.

inline constexpr std::string_view kFormSignature = "VXF1";

// Components, lists, collections and sub-objects may nest this deep; deeper data is refused, so a
// hostile resource cannot exhaust the stack.
inline constexpr int kMaxFormNesting = 64;

enum TValueType : uint8_t {
  vaNull = 0x00,        // ends a list, a set, a collection, a property list or a child list
  vaList = 0x01,        // values up to vaNull
  vaInt8 = 0x02,        // signed, little-endian: the smallest of the four that holds the value
  vaInt16 = 0x03,
  vaInt32 = 0x04,
  vaInt64 = 0x05,
  vaString = 0x06,      // uint32 length, UTF-8 bytes
  vaIdent = 0x07,       // short name: enumeration value or component reference
  vaFalse = 0x08,
  vaTrue = 0x09,
  vaNil = 0x0A,         // an empty component reference
  vaSet = 0x0B,         // short names up to a zero length byte
  vaCollection = 0x0C,  // items, each vaList then a property list, up to vaNull
  vaBinary = 0x0D,      // uint32 length, raw bytes
};
