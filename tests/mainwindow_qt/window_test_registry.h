// The QtTest classes of the window program: each test file registers its
// class with one line, and window_tests_main.cpp runs them all in the order
// of their names.
#pragma once

#include <QObject>
#include <map>
#include <memory>
#include <string>

namespace kairotex::test {

using WindowTestFactory = std::unique_ptr<QObject> (*)();

inline std::map<std::string, WindowTestFactory>& WindowTestClasses() {
  static std::map<std::string, WindowTestFactory> classes;
  return classes;
}

template <class TestClass>
struct RegisterWindowTest {
  explicit RegisterWindowTest(const char* name) {
    WindowTestClasses()[name] = [] { return std::unique_ptr<QObject>(new TestClass); };
  }
};

}  // namespace kairotex::test
