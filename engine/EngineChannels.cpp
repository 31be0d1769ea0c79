#include <algorithm>

#include "engine/Engine.h"
#include "entity/Entity.h"

std::vector<Entity*>& Engine::GetSubscribers(const std::string& channel) { return channels_[channel]; }

void Engine::Subscribe(Entity* entity, const std::string& channel) { channels_[channel].push_back(entity); }

void Engine::Unsubscribe(Entity* entity, const std::string& channel) {
  auto& subs = channels_[channel];
  auto it = std::find(subs.begin(), subs.end(), entity);
  if (it != subs.end()) subs.erase(it);
}

void Engine::ClearSubscribers(const std::string& channel) { channels_[channel].clear(); }

void Engine::UnsubscribeAll(Entity* entity) {
  for (auto& [name, subs] : channels_) std::erase(subs, entity);
}

void Engine::BroadcastWithArgs(const std::string& message, const std::string& channel, MessageArgs* args) {
  // Indexed, re-reading the size after each delivery: a handler may subscribe further entities.
  std::vector<Entity*>& subs = channels_[channel];
  for (size_t i = 0; i < subs.size(); ++i) subs[i]->HandleMessage(message, args);
}
