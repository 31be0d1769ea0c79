#pragma once
#include <cstdint>
#include <span>
#include <string>

// Small image files of each format the program reads, built byte by byte.
namespace testimages {

// An 8 x 8 baseline JPEG of one colour, (0x20, 0x40, 0xC0).
std::string Jpeg();

// A 1 x 1 24-bit BMP, green.
std::string GreenBmp();

// A 1 x 1 32-bit TGA, half-transparent white.
std::string WhiteTga();

// A PNG of `width` x `height` pixels of one grey, as the program writes them.
std::string GreyPng(int width, int height);

void Put32(std::string& s, size_t at, uint32_t v);

// A DDS header for the given size, mip count and pixel format (fourCC or bit masks).
std::string DdsHeader(uint32_t width, uint32_t height, uint32_t mips, uint32_t pixelFlags,
                      const char* fourCC, uint32_t bits, uint32_t r, uint32_t g, uint32_t b,
                      uint32_t a);

// An uncompressed A8R8G8B8 DDS of one colour.
std::string Argb8888Dds(uint32_t w, uint32_t h, uint32_t pixel);

std::span<const uint8_t> Bytes(const std::string& s);

}  // namespace testimages
