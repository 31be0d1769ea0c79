#include "sound/Sound.h"

void Sound::RegisterTypes() {}
void Sound::Init() {}
void Sound::Shutdown() {}
void Sound::Update() {}
