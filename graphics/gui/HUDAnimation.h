#pragma once
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>

// A short timed effect over the game view, run by the HUD animation list once per frame.
class HUDAnimation {
 public:
  virtual ~HUDAnimation() = default;
  // From the beginning: elapsed 0, running, then the kind's own start.
  virtual void Start();
  virtual void Update() = 0;
  // Ends it now; the list deletes it at its next update.
  virtual void Stop();
  bool IsActive() const { return active; }
  float GetElapsed() const { return elapsed; }
  float GetDuration() const { return duration; }

 protected:
  // Sets the duration and the parameters.
  virtual void OnStart() = 0;
  // Uses the parameters' current values.
  virtual void Apply() = 0;
  virtual void OnFinish() {}

  float elapsed = 0.0f;
  float duration = 0.0f;
  bool active = false;
};

// An animation whose named parameters run in a straight line from start to end values over
// its duration, on the engine timer's capped frame delta.
class TimedHUDAnimation : public HUDAnimation {
 public:
  void Update() override;
  void SetParameter(const std::string& name, float start, float end);
  // The parameter's current value, 0 when it has none.
  float Value(const std::string& name) const;

 protected:
  std::map<std::string, float> startValues;
  std::map<std::string, float> currentValues;
  std::map<std::string, float> endValues;
};

// The white flash that fades out: the frame is composed through the "FadeWhite" pass.
class FadeWhiteAnimation : public TimedHUDAnimation {
 protected:
  void OnStart() override;
  void Apply() override;
};

// The camera circles the busted thief for three seconds.
class BustedAnimation : public TimedHUDAnimation {
 protected:
  void OnStart() override { duration = 3.0f; }
  void Apply() override;
};

class ItemValueAnimation;
class GadgetSwitchAnimation;

// The animations of the game view, in creation order; finished ones are deleted by Update.
class HUDAnimationList {
 public:
  void AddBusted();
  void AddFadeWhite();
  void AddMoneyGain(int32_t amount);
  // Appended but not started: the caller fills in its fields and starts it before the next
  // Update, which otherwise deletes it.
  ItemValueAnimation* AddItemValue();
  GadgetSwitchAnimation* AddGadgetSwitch();
  // Once per frame, from the frame renderer.
  void Update();
  // Drops every animation without finishing it (nothing is credited); the game start calls it
  // once the previous game is cleared.
  void DeleteAll() { animations_.clear(); }
  size_t Size() const { return animations_.size(); }

 private:
  template <class Kind, class... Args>
  Kind* Append(Args... args);

  std::list<std::unique_ptr<HUDAnimation>> animations_;
};
