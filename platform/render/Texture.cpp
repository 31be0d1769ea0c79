#include "platform/render/Texture.h"

#include "platform/core/Files.h"
#include "platform/render/ImageData.h"
#include "platform/render/gl/DeviceImpl.h"
#include "platform/render/gl/TextureObject.h"

namespace platform {
namespace {

bool IsOpaque(const uint8_t* rgba, size_t pixels) {
  for (size_t i = 0; i < pixels; ++i)
    if (rgba[i * 4 + 3] != 255) return false;
  return true;
}

int NextPowerOfTwo(int v) {
  int p = 1;
  while (p < v) p <<= 1;
  return p;
}

GLenum CompressedFormat(PixelFormat f) {
  switch (f) {
    case PixelFormat::Dxt1: return GL_COMPRESSED_RGBA_S3TC_DXT1_EXT;
    case PixelFormat::Dxt3: return GL_COMPRESSED_RGBA_S3TC_DXT3_EXT;
    default: return GL_COMPRESSED_RGBA_S3TC_DXT5_EXT;
  }
}

}  // namespace

TextureObject::TextureObject() { glGenTextures(1, &id); }
TextureObject::~TextureObject() { glDeleteTextures(1, &id); }

void TextureObject::BindForUpload() const {
  constexpr GLenum kUploadUnit = GL_TEXTURE0 + 15;
  glActiveTexture(kUploadUnit);
  glBindTexture(GL_TEXTURE_2D, id);
}

Texture::Texture(std::shared_ptr<TextureObject> object) : object_(std::move(object)) {}
Texture::~Texture() = default;

int Texture::Width() const { return object_->width; }
int Texture::Height() const { return object_->height; }
int Texture::Levels() const { return object_->levels; }

std::unique_ptr<Texture> Texture::FromImage(RenderDevice& device, const ImageData& source) {
  if (source.levels.empty()) return nullptr;
  const ImageData* image = &source;
  ImageData decoded;
  if (source.format != PixelFormat::Rgba8 && !device.HasCompressedTextures()) {
    decoded = source;
    DecompressImage(decoded);
    image = &decoded;
  }
  auto object = std::make_shared<TextureObject>();
  object->width = image->Width();
  object->height = image->Height();
  object->levels = static_cast<int>(image->levels.size());
  const ImageLevel& top = image->levels[0];
  object->opaque = image->format == PixelFormat::Rgba8 &&
                   top.bytes.size() >= size_t(top.width) * top.height * 4 &&
                   IsOpaque(top.bytes.data(), size_t(top.width) * top.height);
  object->BindForUpload();
  for (size_t i = 0; i < image->levels.size(); ++i) {
    const ImageLevel& l = image->levels[i];
    if (image->format == PixelFormat::Rgba8)
      glTexImage2D(GL_TEXTURE_2D, GLint(i), GL_RGBA8, l.width, l.height, 0, GL_RGBA,
                   GL_UNSIGNED_BYTE, l.bytes.data());
    else
      glCompressedTexImage2D(GL_TEXTURE_2D, GLint(i), CompressedFormat(image->format), l.width,
                             l.height, 0, GLsizei(l.bytes.size()), l.bytes.data());
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, object->levels - 1);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glActiveTexture(GL_TEXTURE0);
  return std::make_unique<Texture>(std::move(object));
}

bool Texture::ReadImage(const std::string& path, ImageData* out, std::string* error,
                        const TextureLoadOptions& options) {
  const std::string resolved = ResolvePath(path);
  auto bytes = ReadFileBytes(resolved);
  if (!bytes) {
    if (error) *error = path + ": cannot be read";
    return false;
  }
  ImageData& image = *out;
  std::string why;
  if (!DecodeImage(*bytes, &image, &why)) {
    if (error) *error = path + ": " + why;
    return false;
  }
  int width = options.width > 0 ? options.width : image.Width();
  int height = options.height > 0 ? options.height : image.Height();
  if (options.powerOfTwo) {
    if (options.width <= 0) width = NextPowerOfTwo(width);
    if (options.height <= 0) height = NextPowerOfTwo(height);
  }
  if (width != image.Width() || height != image.Height()) ResizeImage(image, width, height);
  return true;
}

std::unique_ptr<Texture> Texture::Load(RenderDevice& device, const std::string& path,
                                       std::string* error, const TextureLoadOptions& options) {
  ImageData image;
  if (!ReadImage(path, &image, error, options)) return nullptr;
  return FromImage(device, image);
}

std::unique_ptr<Texture> Texture::FromPixels(RenderDevice& device, int width, int height,
                                             const uint8_t* rgba) {
  if (width <= 0 || height <= 0 || width > kMaxTextureSize || height > kMaxTextureSize || !rgba)
    return nullptr;
  ImageData image;
  image.levels.push_back(
      ImageLevel{width, height, std::vector<uint8_t>(rgba, rgba + size_t(width) * height * 4)});
  return FromImage(device, image);
}

std::unique_ptr<Texture> Texture::CreateChecker(RenderDevice& device) {
  constexpr int kSize = 64, kCell = 8;
  std::vector<uint8_t> pixels(kSize * kSize * 4);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const bool on = ((x / kCell) + (y / kCell)) % 2 == 0;
      uint8_t* p = &pixels[(y * kSize + x) * 4];
      p[0] = on ? 255 : 0;
      p[1] = 0;
      p[2] = on ? 255 : 0;
      p[3] = 255;
    }
  return FromPixels(device, kSize, kSize, pixels.data());
}

bool Texture::UpdatePixels(int width, int height, const uint8_t* rgba) {
  if (!rgba || width != object_->width || height != object_->height) return false;
  object_->BindForUpload();
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  glActiveTexture(GL_TEXTURE0);
  object_->opaque = IsOpaque(rgba, size_t(width) * height);
  return true;
}

}  // namespace platform
