#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class RenderDevice;
struct ImageData;
struct TextureObject;

struct TextureLoadOptions {
  // A size other than 0 scales the image to it (one mip level is kept).
  int width = 0;
  int height = 0;
  // Rounds a size taken from the file up to the next power of two, scaling the image.
  bool powerOfTwo = false;
};

// A 2-D texture on the GPU, sampled with uv (0, 0) at the top-left of the image.
class Texture {
 public:
  // Reads png, jpg, tga, bmp or dds; the name is looked up case-insensitively with '\' taken as
  // '/'. Null with a reason in `error` when the file is missing, cut short or not an image.
  static std::unique_ptr<Texture> Load(RenderDevice& device, const std::string& path,
                                       std::string* error, const TextureLoadOptions& options = {});
  // What Load puts on the GPU: the file read, decoded and scaled as the options ask. False with
  // a reason in `error` as Load.
  static bool ReadImage(const std::string& path, ImageData* out, std::string* error,
                        const TextureLoadOptions& options = {});
  static std::unique_ptr<Texture> FromImage(RenderDevice& device, const ImageData& image);
  // `rgba` holds width * height pixels, top row first.
  static std::unique_ptr<Texture> FromPixels(RenderDevice& device, int width, int height,
                                             const uint8_t* rgba);
  // A magenta and black checker that stands in for a texture that failed to load.
  static std::unique_ptr<Texture> CreateChecker(RenderDevice& device);

  ~Texture();
  Texture(const Texture&) = delete;
  Texture& operator=(const Texture&) = delete;

  int Width() const;
  int Height() const;
  int Levels() const;
  // Replaces level 0 with pixels of the same size (video frames). False on a size mismatch.
  bool UpdatePixels(int width, int height, const uint8_t* rgba);

  const std::shared_ptr<TextureObject>& Object() const { return object_; }
  explicit Texture(std::shared_ptr<TextureObject> object);

 private:
  std::shared_ptr<TextureObject> object_;
};

}  // namespace platform
