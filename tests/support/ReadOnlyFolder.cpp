#include "tests/support/ReadOnlyFolder.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// Sets or clears the privilege to write through permissions in the effective set; it stays in
// the permitted set, so that it can be taken back.
bool SetWriteOverride(bool on) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2] = {};
  if (syscall(SYS_capget, &header, data) != 0) return false;
  const unsigned bit = 1u << CAP_DAC_OVERRIDE;
  if (on) {
    data[0].effective |= bit & data[0].permitted;
  } else {
    data[0].effective &= ~bit;
  }
  return syscall(SYS_capset, &header, data) == 0;
}

void SetWritable(const fs::path& path, bool writable) {
  std::error_code error;
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  writable ? fs::perm_options::add : fs::perm_options::remove, error);
}

void SetTreeWritable(bool writable) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(".", error)) {
    if (!entry.is_symlink()) SetWritable(entry.path(), writable);
  }
  SetWritable(".", writable);
}

bool CanCreateFile() {
  const char* probe = "read-only-probe";
  std::FILE* file = std::fopen(probe, "w");
  if (!file) return false;
  std::fclose(file);
  std::remove(probe);
  return true;
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder() {
  SetTreeWritable(false);
  if (::geteuid() == 0) droppedOverride_ = SetWriteOverride(false);
  holds_ = !CanCreateFile();
}

ReadOnlyFolder::~ReadOnlyFolder() {
  if (droppedOverride_) SetWriteOverride(true);
  SetTreeWritable(true);
}
