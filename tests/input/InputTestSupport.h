#pragma once
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/GameClasses.h"
#include "app/Systems.h"
#include "entity/EntityClass.h"
#include "input/ControlMap.h"
#include "input/Input.h"
#include "input/InputMessages.h"
#include "input/TextInput.h"
#include "logic/Logic.h"
#include "physics/PlayerPhysics.h"
#include "platform/input/ScriptedInput.h"
#include "player/PlayerInfo.h"
#include "tests/support/EngineFixture.h"

// What the recording entities received, in order.
inline std::vector<std::string> received;

// The argument bytes of a message as "(1,0)"; nothing for an empty list.
inline std::string ArgsText(const MessageArgs* args) {
  if (!args || args->Count() == 0) return "";
  std::string text = "(";
  for (uint32_t i = 0; i < args->Count(); ++i) {
    if (i) text += ',';
    text += std::to_string(*args->Value(i));
  }
  return text + ")";
}

// A control scheme that records each action as "tag:Action:pressed" and each typed character
// as "tag:char:c", then runs the test's reaction.
class RecordingScheme : public EntityClass<RecordingScheme> {
 public:
  static constexpr char kClassName[] = "RecordingScheme";
  static void Describe(ClassBuilder<RecordingScheme>& c) {
    c.Component(&RecordingScheme::controlMap);
    c.Component(&RecordingScheme::textInput);
  }
  void OnCreate() override {}
  void HandleMessage(const std::string& name, MessageArgs* args) override {
    if (name == "OnUpdate") return;
    if (name == "UpdateTextInput") {
      if (typing) received.push_back(tag + ":char:" + textInput.GetChar());
    } else {
      // Every key action carries whether its key went down.
      received.push_back(tag + ":" + name + ":" + (args->GetBool() ? "1" : "0"));
    }
    if (react) react(name);
  }

  std::string tag;
  // Records typed characters; focus switches the text input on with the map, so a scheme that
  // is not typing still receives them.
  bool typing = false;
  std::function<void(const std::string&)> react;
  ControlMap controlMap;
  TextInput textInput;
};

// A thief under control that records what the schemes send it, as "player:Message(args)",
// and takes the pace they ask for as its target speed.
class RecordingPlayer : public EntityClass<RecordingPlayer> {
 public:
  static constexpr char kClassName[] = "RecordingPlayer";
  static void Describe(ClassBuilder<RecordingPlayer>& c) {
    c.Component(&RecordingPlayer::info);
    c.Component(&RecordingPlayer::physics);
  }
  void OnCreate() override {}
  void HandleMessage(const std::string& name, MessageArgs* args) override {
    if (name == ThiefOrder::kSetTargetSpeed.Name())
      physics.targetSpeed = args->GetFloat();
    else
      received.push_back("player:" + name + ArgsText(args));
  }

  PlayerInfo info;
  PlayerPhysics physics;
};

// The engine with the real input system on scripted devices and the real game logic; the
// other systems only record.
class InputTest : public EngineFixture {
 protected:
  InputTest() {
    received.clear();
    std::filesystem::create_directory("Data");
  }

  Engine* StartInput(std::function<void(platform::ScriptedInputBackend&)> script = {}) {
    SystemFactories systems = RecordingSystems();
    systems.input = [this, script] {
      return new Input([this, script] {
        auto made = std::make_unique<platform::ScriptedInputBackend>();
        backend = made.get();
        if (script) script(*made);
        return std::unique_ptr<platform::InputBackend>(std::move(made));
      });
    };
    systems.logic = [] { return new Logic(*Engine::Instance(), RegisterGameClasses); };
    Engine* engine = Engine::Instance();
    engine->Init(systems);
    ConnectGameSystems(*engine);
    RegisterEntityClass<RecordingScheme>("LogicLog");
    RegisterEntityClass<RecordingPlayer>("LogicLog");
    return engine;
  }

  static Input* GetInput() { return Engine::Get()->GetInput(); }
  static Logic* GetLogic() { return Engine::Get()->GetLogic(); }
  platform::ScriptedInputDevice& Keyboard() { return backend->Keyboard(); }
  platform::ScriptedInputDevice& Mouse() { return backend->Mouse(); }

  // A recording scheme, created and set up (its map active), not registered with the focus.
  static RecordingScheme* AddScheme(const std::string& tag, bool typing = false) {
    auto* scheme = static_cast<RecordingScheme*>(Engine::Get()->GetEntityManager()->Create("RecordingScheme"));
    scheme->tag = tag;
    scheme->typing = typing;
    scheme->textInput.SetActive(typing);
    return scheme;
  }

  // A recording player made the thief under control; what it was told so far is forgotten.
  static RecordingPlayer* AddPlayer() {
    auto* player = static_cast<RecordingPlayer*>(Engine::Get()->GetEntityManager()->Create("RecordingPlayer"));
    GetLogic()->SetPlayerEntity(player);
    received.clear();
    return player;
  }

  // Only these recording schemes' maps stay active: the game's own schemes are switched off.
  static void OnlyRecordingSchemesActive() {
    for (ControlMap* map : GetInput()->ControlMaps())
      if (map->owner->GetClassName() != RecordingScheme::kClassName) map->SetActive(false);
  }

  void Tap(uint32_t code) {
    Keyboard().Press(code);
    Keyboard().Release(code);
  }
  bool Frame() { return EngineFixture::Frame(0.01); }

  platform::ScriptedInputBackend* backend = nullptr;
};

inline constexpr uint32_t kKeyA = 0x1E;
inline constexpr uint32_t kKeyB = 0x30;
inline constexpr uint32_t kKeyW = 0x11;
inline constexpr uint32_t kKeyEscape = 0x01;
inline constexpr uint32_t kKeyGrave = 0x29;
inline constexpr uint32_t kKeyLShift = 0x2A;
inline constexpr uint32_t kKeyRShift = 0x36;
inline constexpr uint32_t kKeyLControl = 0x1D;
inline constexpr uint32_t kKeyLAlt = 0x38;
