#pragma once
#include <cstdint>
#include <string>

// A complete 24-bit bottom-up BMP file of the given size; pixel (x, y) gets a colour made from
// `seed`, x and y, so different fixtures have different bytes.
std::string MakeBmp(int width, int height, uint8_t seed = 0);
