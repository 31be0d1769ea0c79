#include "tests/support/ScratchFolder.h"

#include <unistd.h>

#include <filesystem>
#include <stdexcept>

ScratchFolder::ScratchFolder(const std::string& prefix) {
  std::string tmpl = (std::filesystem::temp_directory_path() / (prefix + ".XXXXXX")).string();
  if (!::mkdtemp(tmpl.data())) throw std::runtime_error("could not make a folder like " + tmpl);
  path_ = tmpl;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  // Tests may have made files read-only; give permissions back before removing.
  for (auto& e : std::filesystem::recursive_directory_iterator(path_, ec))
    std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}
