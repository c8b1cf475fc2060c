#pragma once

#include <functional>
#include <string>

#include "core/form1.h"

namespace kethmor::exporter {

// Writes bytes to a file so that an existing file of that name stays whole
// until the new one is complete. Returns empty on success, otherwise a
// one-line message naming the file and the reason.
std::string writeFileAtomically(const std::string& fileName, const std::string& bytes);

// The SAVE button's saver: asks for a name through the given dialog and
// writes the sheet to it.
class FileSheetSaver : public SheetSaver {
 public:
  explicit FileSheetSaver(std::function<std::string()> dialog) : dialog_(std::move(dialog)) {}
  std::string chooseFileName() override { return dialog_ ? dialog_() : std::string(); }
  std::string writeSheet(const Form1& form, const std::string& fileName) override;

 private:
  std::function<std::string()> dialog_;
};

}  // namespace kethmor::exporter
