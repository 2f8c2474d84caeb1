#pragma once

#include <string>

// The system clipboard as the windows use it: "Copy to Clipboard" replaces its text. The tests
// read what was copied from a recorder instead.
class Clipboard {
 public:
  virtual ~Clipboard() = default;

  virtual void SetText(const std::string& text) = 0;
};

// The desktop's clipboard.
class QtClipboard : public Clipboard {
 public:
  void SetText(const std::string& text) override;
};
