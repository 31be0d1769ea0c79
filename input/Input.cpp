#include "input/Input.h"

#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "entity/Entity.h"
#include "input/ControlMap.h"
#include "input/TextInput.h"
#include "input/WinConsoleInput.h"
#include "platform/input/SdlInput.h"

using platform::InputResult;

namespace {
void LogInput(const std::string& text, unsigned severity) { Engine::Get()->GetLog()->Write("InputLog", text, severity); }

// The engine's input focus turns schemes on and off through this: the components are ours.
void SwitchInputComponents(Entity* entity, bool on) {
  if (auto* map = entity->Find<ControlMap>()) map->SetActive(on);
  if (auto* text = entity->Find<TextInput>()) text->SetActive(on);
}
}  // namespace

Input::Input(InputBackendFactory backendFactory) : backendFactory_(std::move(backendFactory)) {
  LoadInputConfig(config_, kInputConfigPath);
  // Not a key of the table: the double-click binding stands under the code unknown names share.
  doubleClickCode_ = GetKeyNames().Get("MouseDouble");
}

Input::~Input() = default;

KeyNames& Input::GetKeyNames() {
  static KeyNames table;
  return table;
}

void Input::RegisterTypes() { RegisterEntityClass<WinConsoleInput>("EngineLog"); }

void Input::Init() {
  Engine::Get()->GetInputFocus()->SetSwitch(&SwitchInputComponents);
  Engine::Get()->GetConsole()->AppendText("Starting").AppendText(GetName()).Flush(Console::kWhite);
  keyboard_.records.resize(BufferSize("keyboardBufferSize", config_.keyboardBufferSize));
  mouse_.records.resize(BufferSize("mouseBufferSize", config_.mouseBufferSize));
  ready_ = SetUpDevices();
  if (ready_ && mouse_.device->Acquire() != InputResult::Ok) LogInput("Could not acquire DirectInput Mouse", 2);
}

// A buffer of no records or of a negative number of them cannot hold input, and a huge one
// would cost memory for nothing: such sizes are replaced, and the file keeps what it says.
int32_t Input::BufferSize(const char* name, int32_t configured) {
  const int32_t fallback = InputConfig().keyboardBufferSize;
  int32_t size = configured;
  if (configured < 1) size = fallback;
  if (configured > platform::kMaxBufferRecords) size = platform::kMaxBufferRecords;
  if (size != configured)
    LogInput(std::string(name) + " " + std::to_string(configured) + " is out of range; using " + std::to_string(size), 2);
  return size;
}

bool Input::Check(InputResult result, const char* failure) {
  if (result == InputResult::Ok) return true;
  LogInput(failure, 2);
  return false;
}

bool Input::SetUpDevices() {
  using platform::DataFormat;
  using platform::DeviceKind;
  backend_ = backendFactory_ ? backendFactory_()
                             : std::make_unique<platform::SdlInputBackend>(MainWindow::Instance()->GetPlatformWindow());
  auto& keyboard = keyboard_.device;
  auto& mouse = mouse_.device;
  const InputConfig& c = config_;
  // The system key can be kept from the game only by a keyboard that shares the foreground.
  const bool noWindowsKey = c.keyboardDisableWindowsKey && c.keyboardForeground && !c.keyboardExclusive;
  if (!Check(backend_->Open(), "Could not create DirectInput object") ||
      !Check(backend_->CreateDevice(DeviceKind::Keyboard, keyboard), "Could not create DirectInput Keyboard object") ||
      !Check(backend_->CreateDevice(DeviceKind::Mouse, mouse), "Could not create DirectInput Mouse object") ||
      !Check(keyboard->SetDataFormat(DataFormat::Keyboard), "Could not set DirectInput Keyboard data format") ||
      !Check(mouse->SetDataFormat(DataFormat::Mouse), "Could not set DirectInput Mouse data format") ||
      !Check(keyboard->SetCooperativeLevel({c.keyboardForeground, c.keyboardExclusive, noWindowsKey}),
             "Could not set DirectInput Keyboard cooperative level") ||
      !Check(mouse->SetCooperativeLevel({c.mouseForeground, c.mouseExclusive, false}),
             "Could not set DirectInput Mouse cooperative level") ||
      !Check(keyboard->SetBufferSize(static_cast<int>(keyboard_.records.size())),
             "Could not set up buffered input on DirectInput Keyboard"))
    return false;
  // A keyboard that cannot be acquired yet is acquired again by the per-frame read.
  if (keyboard->Acquire() != InputResult::Ok) LogInput("Could not acquire DirectInput Keyboard", 2);
  return Check(mouse->SetEventNotification([] {}), "Could not set up event notification on DirectInput Mouse") &&
         Check(mouse->SetBufferSize(static_cast<int>(mouse_.records.size())),
               "Could not set up buffered input on DirectInput Mouse");
}

void Input::Shutdown() {
  Engine::Get()->GetInputFocus()->SetSwitch(nullptr);
  ready_ = false;
  for (Device* d : {&keyboard_, &mouse_}) {
    if (d->device) d->device->Unacquire();
    d->device.reset();
    std::vector<platform::InputRecord>().swap(d->records);
  }
  backend_.reset();
}

char Input::KeyToChar(uint32_t code) const {
  if (!keyboard_.device) return 0;
  platform::KeyState state;
  keyboard_.device->GetKeyState(state);
  return platform::KeyToChar(code, platform::ModifiersFrom(state));
}
