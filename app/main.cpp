#include "app/Systems.h"
#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "platform/core/StopSignal.h"

// The program runs in its data tree and takes no command line.
int main() {
  platform::InstallStopHandlers();
  Engine* engine = Engine::Instance();
  engine->Init(GameSystems());
  ConnectGameSystems(*engine);
  engine->Run();
  engine->Shutdown();
  MainWindow::Destroy();
  return 0;
}
