#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "entity/Params.h"
#include "entity/XmlReader.h"

// Reading speed of a settings-shaped document: a list of records of named bool, float, int and
// string fields, one line as the writer puts it out (about 1 MB).
//
// Measured (RelWithDebInfo, one core of the shared build machine): about 185 MB/s from
// memory, 90 MB/s from a file (reading the file costs as much as scanning it); the goal is at
// least 50 MB/s.
namespace {

const int kRecords = 6000;

std::string SettingsDocument() {
  std::string doc = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<list name=\"records\">";
  for (int i = 0; i < kRecords; ++i) {
    doc += "<var><bool name=\"Enabled\">true</bool><float name=\"Interval\">0.25</float>"
           "<int name=\"Count\">" + std::to_string(i) + "</int>"
           "<string name=\"FileName\">models/guard_" + std::to_string(i) + ".x</string>"
           "<float name=\"Speed\">1.23457e+06</float><bool name=\"Mouse\">false</bool></var>";
  }
  return doc + "</list>";
}

void ReadRecords(XmlReader& reader) {
  bool enabled = false, mouse = false;
  float interval = 0, speed = 0;
  int count = 0;
  std::string file;
  reader.ReadTag();
  while (reader.HasChildren()) {
    reader.ReadTag();
    Params::ReadBool(reader, "Enabled", enabled);
    Params::ReadFloat(reader, "Interval", interval);
    XmlReadNamedInt(reader, "Count", count);
    XmlReadNamedString(reader, "FileName", file);
    Params::ReadFloat(reader, "Speed", speed);
    Params::ReadBool(reader, "Mouse", mouse);
    reader.ReadTag();
  }
  reader.ReadTag();
  benchmark::DoNotOptimize(count);
}

void BM_XmlReadSettingsFromMemory(benchmark::State& state) {
  const std::string doc = SettingsDocument();
  for (auto _ : state) {
    XmlReader reader;
    reader.OpenBuffer(doc);
    ReadRecords(reader);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}
BENCHMARK(BM_XmlReadSettingsFromMemory)->Unit(benchmark::kMillisecond);

void BM_XmlReadSettingsFromFile(benchmark::State& state) {
  const std::string doc = SettingsDocument();
  const std::string path = "bench_settings.xml";
  std::ofstream(path, std::ios::binary) << doc;
  for (auto _ : state) {
    XmlReader reader;
    reader.Open(path);
    ReadRecords(reader);
  }
  std::remove(path.c_str());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}
BENCHMARK(BM_XmlReadSettingsFromFile)->Unit(benchmark::kMillisecond);

}  // namespace
