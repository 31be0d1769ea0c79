#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>

#include "platform/core/Random.h"
#include "platform/render/ImageData.h"
#include "platform/render/PngFile.h"
#include "platform/render/Texture.h"
#include "platform/render/VertexLayout.h"
#include "tests/platform/render/DeviceFixture.h"
#include "tests/support/TempDir.h"

using namespace platform;

namespace {

// An 8 x 8 baseline JPEG of one colour, (0x20, 0x40, 0xC0).
const uint8_t kJpeg[] = {
    0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01, 0x02, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0xff, 0xfe, 0x00, 0x10, 0x4c, 0x61, 0x76, 0x63, 0x35, 0x39, 0x2e, 0x33,
    0x37, 0x2e, 0x31, 0x30, 0x30, 0x00, 0xff, 0xdb, 0x00, 0x43, 0x00, 0x08, 0x04, 0x04, 0x04, 0x04,
    0x04, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06,
    0x06, 0x06, 0x06, 0x06, 0x07, 0x07, 0x07, 0x08, 0x08, 0x08, 0x07, 0x07, 0x07, 0x06, 0x06, 0x07,
    0x07, 0x08, 0x08, 0x08, 0x08, 0x09, 0x09, 0x09, 0x08, 0x08, 0x08, 0x08, 0x09, 0x09, 0x0a, 0x0a,
    0x0a, 0x0c, 0x0c, 0x0b, 0x0b, 0x0e, 0x0e, 0x0e, 0x11, 0x11, 0x14, 0xff, 0xc4, 0x00, 0x4c, 0x00,
    0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x06, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x05, 0x07, 0x10, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x11, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0xc0, 0x00, 0x11, 0x08, 0x00, 0x08,
    0x00, 0x08, 0x03, 0x01, 0x22, 0x00, 0x02, 0x11, 0x00, 0x03, 0x11, 0x00, 0xff, 0xda, 0x00, 0x0c,
    0x03, 0x01, 0x00, 0x02, 0x11, 0x03, 0x11, 0x00, 0x3f, 0x00, 0x84, 0x01, 0x45, 0x0a, 0xff, 0xd9,
};

void Put32(std::string& s, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = char((v >> (8 * i)) & 0xFF);
}

// A DDS header for the given size, mip count and pixel format (fourCC or bit masks).
std::string DdsHeader(uint32_t width, uint32_t height, uint32_t mips, uint32_t pixelFlags,
                      const char* fourCC, uint32_t bits, uint32_t r, uint32_t g, uint32_t b,
                      uint32_t a) {
  std::string h(128, '\0');
  std::memcpy(&h[0], "DDS ", 4);
  Put32(h, 4, 124);
  Put32(h, 8, 0x1007 | (mips > 1 ? 0x20000 : 0));
  Put32(h, 12, height);
  Put32(h, 16, width);
  Put32(h, 28, mips);
  Put32(h, 76, 32);
  Put32(h, 80, pixelFlags);
  if (fourCC) std::memcpy(&h[84], fourCC, 4);
  Put32(h, 88, bits);
  Put32(h, 92, r);
  Put32(h, 96, g);
  Put32(h, 100, b);
  Put32(h, 104, a);
  return h;
}

std::string Argb8888Dds(uint32_t w, uint32_t h, uint32_t pixel) {
  std::string file = DdsHeader(w, h, 1, 0x41, nullptr, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
  for (uint32_t i = 0; i < w * h; ++i) {
    std::string p(4, '\0');
    Put32(p, 0, pixel);
    file += p;
  }
  return file;
}

std::span<const uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

const std::vector<uint8_t>& LevelBytes(const ImageData& image, size_t level = 0) {
  return image.levels.at(level).bytes;
}

}  // namespace

TEST(DdsReader, ReadsUncompressedLayoutsAndMipChains) {
  ImageData image;
  std::string error;
  ASSERT_TRUE(ReadDds(Bytes(Argb8888Dds(2, 2, 0x80102030)), &image, &error)) << error;
  EXPECT_EQ(image.format, PixelFormat::Rgba8);
  EXPECT_EQ(LevelBytes(image)[0], 0x10);
  EXPECT_EQ(LevelBytes(image)[3], 0x80);

  // R5G6B5 with three levels: 4x2, 2x1, 1x1.
  std::string rgb565 = DdsHeader(4, 2, 3, 0x40, nullptr, 16, 0xF800, 0x07E0, 0x001F, 0);
  rgb565 += std::string(8 * 2, '\0') + std::string(2 * 2, '\xff') + std::string(2, '\0');
  rgb565[128] = char(0x1F);  // first texel: pure blue
  ASSERT_TRUE(ReadDds(Bytes(rgb565), &image, &error)) << error;
  ASSERT_EQ(image.levels.size(), 3u);
  EXPECT_EQ(image.levels[1].width, 2);
  EXPECT_EQ(image.levels[2].height, 1);
  EXPECT_EQ(LevelBytes(image), (std::vector<uint8_t>{0, 0, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0,
                                               255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0,
                                               0, 255}));
  EXPECT_EQ(LevelBytes(image, 1)[0], 255);

  // Luminance repeats in red, green and blue.
  std::string l8 = DdsHeader(1, 1, 1, 0x20000, nullptr, 8, 0xFF, 0, 0, 0) + "\x40";
  ASSERT_TRUE(ReadDds(Bytes(l8), &image, &error)) << error;
  EXPECT_EQ(LevelBytes(image), (std::vector<uint8_t>{0x40, 0x40, 0x40, 255}));
}

TEST(DdsReader, DecodesDxtBlocks) {
  // DXT1: colour 0 blue, colour 1 red, every texel index 0 except the last (index 3, which in
  // three-colour mode is transparent black).
  std::string dxt1 = DdsHeader(4, 4, 1, 0x4, "DXT1", 0, 0, 0, 0, 0);
  const uint8_t block[8] = {0x1F, 0x00, 0x00, 0xF8, 0, 0, 0, 0xC0};  // c0 = blue < c1 = red
  dxt1.append(reinterpret_cast<const char*>(block), 8);
  ImageData image;
  std::string error;
  ASSERT_TRUE(ReadDds(Bytes(dxt1), &image, &error)) << error;
  EXPECT_EQ(image.format, PixelFormat::Dxt1);
  DecompressImage(image);
  EXPECT_EQ(std::vector<uint8_t>(LevelBytes(image).begin(), LevelBytes(image).begin() + 4),
            (std::vector<uint8_t>{0, 0, 255, 255}));
  EXPECT_EQ(std::vector<uint8_t>(LevelBytes(image).end() - 4, LevelBytes(image).end()),
            (std::vector<uint8_t>{0, 0, 0, 0}));

  // DXT5 with interpolated alpha: endpoints 255 and 0, every index 1 (alpha 0).
  std::string dxt5 = DdsHeader(4, 4, 1, 0x4, "DXT5", 0, 0, 0, 0, 0);
  const uint8_t block5[16] = {255, 0, 0x49, 0x92, 0x24, 0x49, 0x92, 0x24,
                              0x00, 0xF8, 0x00, 0xF8, 0, 0, 0, 0};
  dxt5.append(reinterpret_cast<const char*>(block5), 16);
  ASSERT_TRUE(ReadDds(Bytes(dxt5), &image, &error)) << error;
  DecompressImage(image);
  EXPECT_EQ(LevelBytes(image)[0], 255);
  EXPECT_EQ(LevelBytes(image)[3], 0);
}

TEST(DdsReader, RefusesDamagedFilesWithAReason) {
  const std::string good = Argb8888Dds(4, 4, 0xFFFFFFFF);
  struct Case {
    std::string file;
    const char* reason;
  };
  std::string huge = good, zero = good, cut = good.substr(0, good.size() - 1), cube = good,
              odd = good, chain = DdsHeader(4, 4, 3, 0x41, nullptr, 32, 0xFF0000, 0xFF00, 0xFF, 0);
  Put32(huge, 16, 0x7FFFFFFF);
  Put32(zero, 12, 0);
  Put32(cube, 112, 0x200);
  std::memcpy(&odd[84], "ATI2", 4);
  Put32(odd, 80, 0x4);
  chain += std::string(4 * 16, '\0');  // level 0 only: the 2x2 and 1x1 levels are missing
  const Case cases[] = {
      {"DDS", "not a DDS file or header cut short"},
      {huge, "DDS has an impossible size"},
      {zero, "DDS has an impossible size"},
      {cut, "DDS data cut short in mip level 0"},
      {chain, "DDS data cut short in mip level 1"},
      {cube, "DDS cube and volume textures are not supported"},
      {odd, "DDS pixel format is not supported"},
  };
  for (const Case& c : cases) {
    ImageData image;
    std::string error;
    EXPECT_FALSE(ReadDds(Bytes(c.file), &image, &error));
    EXPECT_EQ(error.rfind(c.reason, 0), 0u) << error;
  }
}

// The image decoder writes past its Huffman table when a JPEG lists more than 256 codes in one
// table; such files are refused before it sees them.
TEST(ImageDecoding, RefusesJpegsWithOverfullHuffmanTables) {
  std::string jpeg(reinterpret_cast<const char*>(kJpeg), sizeof kJpeg);
  ImageData image;
  std::string error;
  ASSERT_TRUE(DecodeImage(Bytes(jpeg), &image, &error)) << error;
  const size_t dht = jpeg.find("\xff\xc4");
  ASSERT_NE(dht, std::string::npos);
  jpeg[dht + 5 + 15] = char(200);  // the last two code counts of the first table
  jpeg[dht + 5 + 16] = char(200);
  EXPECT_FALSE(DecodeImage(Bytes(jpeg), &image, &error));
  EXPECT_EQ(error, "not a readable image: damaged JPEG Huffman table");
}

// Randomly damaged copies of every format must be refused or read, never crash or hang.
TEST(ImageDecoding, SurvivesMutatedFiles) {
  TempDir dir;
  std::vector<uint8_t> pixels(16 * 16 * 4, 0x7F);
  ASSERT_TRUE(WritePng("seed.png", 16, 16, pixels, true));
  const std::string png = TempDir::Read("seed.png");
  std::string dxt = DdsHeader(8, 8, 4, 0x4, "DXT5", 0, 0, 0, 0, 0) + std::string(64 + 16 * 3, '\x5a');
  const std::string seeds[] = {png, Argb8888Dds(8, 8, 0x11223344), dxt,
                               std::string(reinterpret_cast<const char*>(kJpeg), sizeof kJpeg)};
  SeedRandom(1234);
  for (const std::string& seed : seeds)
    for (int round = 0; round < 400; ++round) {
      std::string file = seed;
      const int edits = 1 + Random() % 8;
      for (int e = 0; e < edits; ++e) file[size_t(Random()) % file.size()] = char(Random() & 0xFF);
      if (Random() % 4 == 0) file.resize(size_t(Random()) % file.size());
      ImageData image;
      std::string error;
      if (DecodeImage(Bytes(file), &image, &error)) {
        ASSERT_FALSE(image.levels.empty());
        DecompressImage(image);
        EXPECT_EQ(image.levels[0].bytes.size(), size_t(image.Width()) * image.Height() * 4);
      } else {
        EXPECT_FALSE(error.empty());
      }
    }
}

class TextureTest : public DeviceTest {};

TEST_F(TextureTest, LoadsEveryFormatTheDataUses) {
  TempDir dir;
  // PNG, 3 x 2, top row red.
  std::vector<uint8_t> pixels(3 * 2 * 4, 0);
  for (int i = 0; i < 6; ++i) {
    pixels[i * 4 + (i < 3 ? 0 : 2)] = 255;
    pixels[i * 4 + 3] = 255;
  }
  ::mkdir("Textures", 0755);
  ASSERT_TRUE(WritePng("Textures/Wall.PNG", 3, 2, pixels, true));
  // BMP, 1 x 1, 24-bit, green.
  std::string bmp(58, '\0');
  bmp[0] = 'B';
  bmp[1] = 'M';
  Put32(bmp, 2, 58);
  Put32(bmp, 10, 54);
  Put32(bmp, 14, 40);
  Put32(bmp, 18, 1);
  Put32(bmp, 22, 1);
  bmp[26] = 1;
  bmp[28] = 24;
  bmp[54 + 1] = char(255);
  TempDir::Write("green.bmp", bmp);
  // TGA, 1 x 1, 32-bit, half-transparent white.
  std::string tga(18, '\0');
  tga[2] = 2;
  tga[12] = 1;
  tga[14] = 1;
  tga[16] = 32;
  tga += std::string("\xff\xff\xff\x80", 4);
  TempDir::Write("white.tga", tga);
  TempDir::Write("blue.jpg", std::string(reinterpret_cast<const char*>(kJpeg), sizeof kJpeg));
  TempDir::Write("mips.dds", DdsHeader(4, 4, 3, 0x41, nullptr, 32, 0xFF0000, 0xFF00, 0xFF,
                                       0xFF000000) +
                                 std::string((16 + 4 + 1) * 4, '\x7f'));

  std::string error;
  auto png = Texture::Load(device_, "textures\\wall.png", &error);
  ASSERT_TRUE(png) << error;
  EXPECT_EQ(png->Width(), 3);
  EXPECT_EQ(png->Height(), 2);
  for (const char* name : {"green.bmp", "white.tga", "blue.jpg"}) {
    auto t = Texture::Load(device_, name, &error);
    ASSERT_TRUE(t) << name << ": " << error;
    EXPECT_EQ(t->Width(), name[0] == 'b' ? 8 : 1);
  }
  auto mips = Texture::Load(device_, "mips.dds", &error);
  ASSERT_TRUE(mips) << error;
  EXPECT_EQ(mips->Levels(), 3);

  // Rounding up to powers of two scales the picture, as the original loader did.
  auto rounded = Texture::Load(device_, "textures/wall.png", &error, {0, 0, true});
  ASSERT_TRUE(rounded) << error;
  EXPECT_EQ(rounded->Width(), 4);
  EXPECT_EQ(rounded->Height(), 2);
  auto sized = Texture::Load(device_, "textures/wall.png", &error, {16, 8, false});
  ASSERT_TRUE(sized) << error;
  EXPECT_EQ(sized->Width(), 16);
  EXPECT_EQ(sized->Levels(), 1);
}

TEST_F(TextureTest, MissingOrBrokenFilesGiveAReasonAndACheckerStandsIn) {
  TempDir dir;
  TempDir::Write("empty.png", "");
  TempDir::Write("text.bmp", "this is not a picture");
  std::string error;
  EXPECT_FALSE(Texture::Load(device_, "absent.dds", &error));
  EXPECT_EQ(error, "absent.dds: cannot be read");
  EXPECT_FALSE(Texture::Load(device_, "empty.png", &error));
  EXPECT_EQ(error.rfind("empty.png: ", 0), 0u);
  EXPECT_FALSE(Texture::Load(device_, "text.bmp", &error));
  EXPECT_EQ(error.rfind("text.bmp: not a readable image", 0), 0u) << error;
  auto checker = Texture::CreateChecker(device_);
  ASSERT_TRUE(checker);
  EXPECT_EQ(checker->Width(), 64);
  EXPECT_FALSE(Texture::FromPixels(device_, 0, 4, nullptr));
}

TEST_F(TextureTest, CompressedTexturesSampleTheSameEitherWay) {
  // One DXT1 block of pure red drawn over the screen: red whether the driver takes DXT or
  // the reader decodes it.
  TempDir dir;
  const uint8_t block[8] = {0x00, 0xF8, 0x00, 0xF8, 0, 0, 0, 0};
  TempDir::Write("red.dds", DdsHeader(4, 4, 1, 0x4, "DXT1", 0, 0, 0, 0, 0) +
                                std::string(reinterpret_cast<const char*>(block), 8));
  std::string error;
  auto red = Texture::Load(device_, "red.dds", &error);
  ASSERT_TRUE(red) << error;
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  device_.SetCullMode(CullMode::None);
  device_.SetTexture(red.get());
  DrawFullQuad(0xFFFFFFFF);
  device_.SetTexture(nullptr);
  EXPECT_EQ(PixelAt(20, 20), DeviceTest::Rgba(255, 0, 0));
}
