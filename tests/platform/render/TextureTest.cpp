#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>

#include "platform/render/ImageData.h"
#include "platform/render/PngFile.h"
#include "platform/render/Texture.h"
#include "platform/render/VertexLayout.h"
#include "tests/platform/render/DeviceFixture.h"
#include "tests/platform/render/TestImages.h"
#include "tests/support/TempDir.h"

using namespace platform;
using namespace testimages;

namespace {

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

// Files the image decoder would overrun or pad out are refused before it sees them.
TEST(ImageDecoding, RefusesFilesTheDecoderWouldMishandle) {
  ImageData image;
  std::string error;
  std::string jpeg = Jpeg();
  ASSERT_TRUE(DecodeImage(Bytes(jpeg), &image, &error)) << error;
  const size_t dht = jpeg.find("\xff\xc4");
  ASSERT_NE(dht, std::string::npos);
  jpeg[dht + 5 + 15] = char(200);  // the last two code counts of the first table: > 256 codes
  jpeg[dht + 5 + 16] = char(200);
  EXPECT_FALSE(DecodeImage(Bytes(jpeg), &image, &error));
  EXPECT_EQ(error, "not a readable image: damaged or missing JPEG Huffman table");
  // Cut off inside its tables, counting more codes than a table holds.
  jpeg = Jpeg().substr(0, dht + 5 + 17);
  jpeg[dht + 5 + 16] = char(255);
  jpeg[dht + 5 + 15] = char(255);
  EXPECT_FALSE(DecodeImage(Bytes(jpeg), &image, &error));
  EXPECT_EQ(error, "not a readable image: damaged or missing JPEG Huffman table");
  jpeg = Jpeg();
  const size_t scan = jpeg.find("\xff\xda");
  ASSERT_NE(scan, std::string::npos);
  jpeg[scan + 8] = 0x13;  // the second component's AC table: slot 3, never defined
  EXPECT_FALSE(DecodeImage(Bytes(jpeg), &image, &error));
  EXPECT_EQ(error, "not a readable image: damaged or missing JPEG Huffman table");

  // An empty data chunk ahead of the real one.
  std::string png = GreyPng(4, 4);
  ASSERT_TRUE(DecodeImage(Bytes(png), &image, &error)) << error;
  const size_t idat = png.find("IDAT");
  ASSERT_NE(idat, std::string::npos);
  png.insert(idat - 4, std::string("\0\0\0\0IDAT\x35\xaf\x06\x1e", 12));
  EXPECT_FALSE(DecodeImage(Bytes(png), &image, &error));
  EXPECT_EQ(error, "not a readable image: damaged PNG: its first data chunk is empty");

  const std::string bmp = GreenBmp(), tga = WhiteTga();
  ASSERT_TRUE(DecodeImage(Bytes(bmp), &image, &error)) << error;
  ASSERT_TRUE(DecodeImage(Bytes(tga), &image, &error)) << error;
  EXPECT_FALSE(DecodeImage(Bytes(bmp.substr(0, bmp.size() - 2)), &image, &error));
  EXPECT_EQ(error, "not a readable image: BMP pixel data cut short");
  EXPECT_FALSE(DecodeImage(Bytes(tga.substr(0, tga.size() - 1)), &image, &error));
  EXPECT_EQ(error, "not a readable image: TGA pixel data cut short");
  // A bottom-up and a top-down BMP of two rows are read, and need both rows.
  std::string tall = bmp + std::string(4, '\0');
  Put32(tall, 22, 2);
  ASSERT_TRUE(DecodeImage(Bytes(tall), &image, &error)) << error;
  EXPECT_FALSE(DecodeImage(Bytes(tall.substr(0, tall.size() - 4)), &image, &error));
  Put32(tall, 22, uint32_t(-2));
  ASSERT_TRUE(DecodeImage(Bytes(tall), &image, &error)) << error;
  EXPECT_FALSE(DecodeImage(Bytes(tall.substr(0, tall.size() - 4)), &image, &error));
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
  TempDir::Write("green.bmp", GreenBmp());
  TempDir::Write("white.tga", WhiteTga());
  TempDir::Write("blue.jpg", Jpeg());
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
