#include <exception>
#include <memory>

#include "engine/Engine.h"
#include "entity/AtomicFile.h"
#include "entity/Entity.h"
#include "entity/EntityManager.h"
#include "entity/FgdWriter.h"
#include "entity/RadiantConfig.h"
#include "entity/XmlWriter.h"

// Writers of the entity definitions a level editor needs, from the registered classes
// themselves: each class writes its own fields through a temporary instance.

void EntityManager::WritePoint(XmlWriter& writer, Entity* entity, const std::string& className) {
  writer.WriteStartElement("point");
  writer.WriteAttribute("name", className);
  auto* config = entity->Find<RadiantConfig>();
  bool colourWritten = false;
  if (config && !config->model.empty()) writer.WriteAttribute("model", config->model);
  if (config && !config->color.empty()) {
    writer.WriteAttribute("color", config->color);
    colourWritten = true;
  }
  writer.WriteAttribute("box", config && !config->size.empty() ? config->size : "-16 -16 -16 16 16 16");
  if (!colourWritten) writer.WriteAttribute("color", "1 0 0");
  entity->WriteEntKeys(writer);
  writer.WriteEndElement();
}

void EntityManager::ExportEnt() {
  XmlWriter writer;
  writer.Open("Entities.ent");
  writer.WriteStartElement("classes");
  for (const auto& [name, factory] : factories_) {
    std::unique_ptr<Entity> instance(factory());
    WritePoint(writer, instance.get(), name);
  }
  writer.WriteEndElement();
  writer.Close();
}

void EntityManager::ExportDef() {
  try {
    AtomicFile file;
    file.Open("entities.def");
    for (const auto& [name, factory] : factories_) {
      file.Write("/*QUAKED " + name + " (.3 .3 1) (-16 -16 -16) (16 16 16) SUSPENDED\n");
      file.Write("-------- KEYS --------\n");
      file.Write("ConfigFile : XML file for the Entity's config\n");
      file.Write("*/\n\n");
    }
    file.Commit();
  } catch (const std::exception& e) {
    Engine::Get()->GetLog()->Write("EngineLog", std::string("Could not export entities to def. ") + e.what(), 1);
  }
}

void EntityManager::ExportFgd() {
  FgdWriter writer;
  writer.Open("Entities.fgd");
  for (const auto& [name, factory] : factories_) {
    std::unique_ptr<Entity> instance(factory());
    writer.BeginClass(name);
    instance->WriteFgdKeys(writer);
    writer.EndClass();
  }
  writer.Close();
}
