#pragma once
#include <string>
#include <vector>

#include "Sk2Record.h"

// A skin folder is the editable source of a skin: "skin.txt" (SkinText.h) plus one BMP file per
// bitmap, NAME.bmp unless a `bitmap NAME FILE` line names another file.

// Reads a skin folder into resource records in storage order: the entries of skin.txt in their
// order, then the .bmp files no `bitmap` line names, in ASCII order of their file names. Every
// bitmap must decode. Throws SkinToolError naming the file (and line) and the problem.
std::vector<Sk2Record> ReadSkinFolder(const std::string& folder);

// Writes records as a skin folder that ReadSkinFolder reads back to the same records. The folder
// is created if needed and must not hold skin.txt or .bmp files yet. Bitmap payloads are written
// byte for byte. On any error nothing written stays behind; the SkinToolError message starts with
// `label` (the source of the records).
void WriteSkinFolder(const std::string& folder, const std::vector<Sk2Record>& records, const std::string& label);
