#include "platform/xfile/Model.h"

#include <cstring>

#include "platform/core/Files.h"
#include "platform/xfile/Mszip.h"
#include "platform/xfile/Parser.h"

namespace platform::xfile {
namespace {

constexpr size_t kHeaderSize = 16;

ReadResult Failure(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

uint32_t AnimationSet::LengthInTicks() const {
  uint32_t length = 0;
  auto last = [&](const auto& keys) {
    if (!keys.empty()) length = std::max(length, keys.back().time);
  };
  for (const Animation& a : animations) {
    last(a.rotations);
    last(a.scales);
    last(a.positions);
    last(a.matrices);
  }
  return length;
}

int32_t Model::FindFrame(const std::string& name) const {
  for (size_t i = 0; i < frames.size(); ++i)
    if (frames[i].name == name) return static_cast<int32_t>(i);
  return -1;
}

// Header: "xof ", version (4 digits), format ("txt ", "bin ", "tzip", "bzip"), float size
// ("0032" or "0064").
ReadResult ReadModel(std::span<const uint8_t> bytes) {
  if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), "xof ", 4) != 0)
    return Failure("not a model file (no \"xof \" header)");
  const std::string format(bytes.begin() + 8, bytes.begin() + 12);
  const std::string floatSize(bytes.begin() + 12, bytes.begin() + 16);
  if (floatSize != "0032" && floatSize != "0064")
    return Failure("unknown float size \"" + floatSize + "\"");
  const bool binary = format == "bin " || format == "bzip";
  if (!binary && format != "txt " && format != "tzip")
    return Failure("unknown format \"" + format + "\"");
  std::span<const uint8_t> body = bytes.subspan(kHeaderSize);
  std::vector<uint8_t> unpacked;
  if (format == "tzip" || format == "bzip") {
    std::string error;
    if (!UnpackMszip(body, unpacked, error)) return Failure(error);
    body = unpacked;
  }
  try {
    Tokenizer tokens(body, binary ? Tokenizer::Format::Binary : Tokenizer::Format::Text,
                     floatSize == "0064" ? 8 : 4);
    return {Parser(tokens).Run(), {}};
  } catch (const ParseError& e) {
    return Failure(e.what());
  } catch (const std::bad_alloc&) {
    return Failure("out of memory");
  }
}

ReadResult ReadModelFile(const std::string& path) {
  const auto bytes = ReadFileBytes(ResolvePath(path));
  if (!bytes) return Failure("cannot read the file");
  return ReadModel(*bytes);
}

}  // namespace platform::xfile
