#include "tests/support/TempDir.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempDir::TempDir() {
  char buf[4096];
  if (::getcwd(buf, sizeof buf)) previous_ = buf;
  if (::chdir(folder_.Path().c_str()) != 0) throw std::runtime_error("chdir failed");
}

TempDir::~TempDir() {
  if (!previous_.empty() && ::chdir(previous_.c_str()) != 0) {
  }
}

void TempDir::Write(const std::string& path, const std::string& contents) {
  std::filesystem::path p(path);
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << contents;
}

std::string TempDir::Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

bool TempDir::Exists(const std::string& path) { return std::filesystem::exists(path); }
