#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "entity/SerException.h"

// The first line of every file the XmlWriter writes.
inline const std::string kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";

// The SerException that `action` throws; fails the test when it throws none.
inline SerException ThrownSerException(const std::function<void()>& action) {
  try {
    action();
  } catch (const SerException& e) {
    return e;
  }
  ADD_FAILURE() << "no SerException";
  return SerException("", -1);
}

inline void ExpectSerException(const std::function<void()>& action, const std::string& text, int code) {
  SerException e = ThrownSerException(action);
  EXPECT_EQ(e.what(), text);
  EXPECT_EQ(e.Code(), code);
}
