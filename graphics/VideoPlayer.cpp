#include "graphics/VideoPlayer.h"

#include <chrono>
#include <thread>

#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "graphics/Graphics.h"
#include "platform/core/Clock.h"
#include "platform/math/Matrix.h"
#include "platform/render/SpriteBatch.h"
#include "platform/render/Texture.h"
#include "sound/Sound.h"

namespace {

std::unique_ptr<VideoPlayer> current;

constexpr float kAreaWidth = 1024.0f;
constexpr float kAreaHeight = 768.0f;

}  // namespace

VideoPlayer::VideoPlayer(platform::RenderDevice& device) : device_(device) {}
VideoPlayer::~VideoPlayer() = default;

bool VideoPlayer::Open(const std::string& fileName) {
  std::string error;
  reader_ = platform::video::VideoReader::Open(fileName, &error);
  if (!reader_) Engine::Get()->GetLog()->Write("GraphicsLog", error, 2);
  return reader_ != nullptr;
}

void VideoPlayer::Play() {
  start_ = Now();
  playing_ = reader_ != nullptr;
}

double VideoPlayer::Now() const {
  platform::Clock& clock = platform::GetClock();
  return static_cast<double>(clock.Counter()) / static_cast<double>(clock.Frequency());
}

void VideoPlayer::Poll() {
  if (!playing_) return;
  const double t = Now() - start_;
  if (const platform::video::VideoFrame* frame = reader_->FrameDueAt(t)) {
    // A damaged film may change its picture size: the picture is then made anew.
    if (!picture_ || !picture_->UpdatePixels(frame->width, frame->height, frame->rgba.data()))
      picture_ = platform::Texture::FromPixels(device_, frame->width, frame->height, frame->rgba.data());
  }
  if (reader_->FinishedAt(t)) {
    if (!reader_->Error().empty()) Engine::Get()->GetLog()->Write("GraphicsLog", reader_->Error(), 2);
    playing_ = false;
  }
}

void VideoPlayer::Draw(platform::SpriteBatch& sprite) const {
  if (!picture_ || picture_->Width() <= 0 || picture_->Height() <= 0) return;
  const platform::Matrix saved = platform::MatrixIdentity();
  const platform::Matrix stretch =
      platform::MatrixScaling(kAreaWidth / picture_->Width(), kAreaHeight / picture_->Height(), 1.0f);
  sprite.SetTransform(stretch.Data());
  sprite.Draw(*picture_, nullptr, nullptr, nullptr, 0xFFFFFFFF);
  sprite.Flush();
  sprite.SetTransform(saved.Data());
}

void VideoPlayer::Release() {
  playing_ = false;
  picture_.reset();
  reader_.reset();
}

VideoPlayer* VideoPlayer::Current() { return current.get(); }

void VideoPlayer::EndCurrent() {
  if (current) current->Release();
  current.reset();
}

void VideoPlayer::PlayIntro() {
  std::this_thread::sleep_for(std::chrono::milliseconds(3000));
  platform::RenderDevice* device = Engine::Get()->GetGraphics()->GetDevice();
  if (!device) return;
  // A player still running is replaced and let go of, so its film does not linger.
  EndCurrent();
  current = std::make_unique<VideoPlayer>(*device);
  if (Sound* sound = Engine::Get()->GetSound()) sound->Play2D("intro");
  current->Open("test2.avi");
  current->Play();
  MainWindow::Instance()->SetWhiteBackground();
}
