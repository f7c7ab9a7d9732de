#pragma once
#include <string>
#include <vector>

#include "Sk2Record.h"

// Walks the record chain of an SK2 resource file with the engine's own rules (header size at 12,
// first record at 20, chain ends at a next offset of 0 or at a record already seen) and returns
// every entry with its raw payload, in file order. Records of an unknown type are returned with an
// empty payload. Throws SkinToolError naming `label` when the file is damaged in a way the engine
// would refuse too (offsets past the end, value payloads of the wrong size).
std::vector<Sk2Record> ReadSk2Records(const std::string& bytes, const std::string& label);
