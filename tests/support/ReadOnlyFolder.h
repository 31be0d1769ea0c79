#pragma once
#include <string>

// Makes the working folder and everything in it read-only for this process while the object
// lives, as a data tree on a read-only disk or owned by another user is: nothing can be created,
// written, renamed or removed there. Root writes through permissions, so a process running as
// root also gives up that privilege meanwhile. Holds() says whether it worked (it cannot where
// the process may not drop the privilege); a test skips otherwise.
class ReadOnlyFolder {
 public:
  ReadOnlyFolder();
  ~ReadOnlyFolder();
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  bool Holds() const { return holds_; }

 private:
  bool droppedOverride_ = false;
  bool holds_ = false;
};
