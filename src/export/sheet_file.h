#pragma once

#include <functional>
#include <string>

#include "core/form1.h"

namespace kethmor::exporter {

// Builds the one-line message about a file that could not be saved or
// opened: "could not save hero.txt: disk full". The window swaps in one that
// shortens the name until the line fits its message box.
using FileMessage =
    std::function<std::string(const std::string& verb, const std::string& name, const std::string& reason)>;
std::string plainFileMessage(const std::string& verb, const std::string& name, const std::string& reason);
// A path's file name without its folder, on one line.
std::string shownName(const std::string& path);

// Writes bytes to a file so that an existing file of that name stays whole
// until the new one is complete; a failed save never leaves an empty or
// partial file behind. A file that is not a regular file (a device, a pipe)
// is left alone. Only when no temporary file can be made next to a writable
// file is it written in place. Returns empty on success, otherwise the
// reason in a few words ("disk full", "permission denied").
std::string saveBytes(const std::string& fileName, const std::string& bytes);

// The same, as a one-line message naming the file without its folder.
std::string writeFileAtomically(const std::string& fileName, const std::string& bytes,
                                const FileMessage& message = plainFileMessage);

// The SAVE button's saver: asks for a name through the given dialog and
// writes the sheet to it.
class FileSheetSaver : public SheetSaver {
 public:
  explicit FileSheetSaver(std::function<std::string()> dialog) : dialog_(std::move(dialog)) {}
  std::string chooseFileName() override { return dialog_ ? dialog_() : std::string(); }
  std::string writeSheet(const Form1& form, const std::string& fileName) override;

  FileMessage message = plainFileMessage;
  // Told the name of every sheet written.
  std::function<void(const std::string&)> onSaved;

 private:
  std::function<std::string()> dialog_;
};

}  // namespace kethmor::exporter
