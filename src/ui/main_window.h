#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "core/form1.h"
#include "export/sheet_file.h"

namespace kethmor::ui {

// The families of the window's compiled-in fonts, for 8.25 pt and 9.75 pt.
inline constexpr const char* kFontFamily8 = "Kethmor Sans 8";
inline constexpr const char* kFontFamily10 = "Kethmor Sans 10";
// Registers the window's fonts (once); false when one could not be loaded.
bool registerWindowFont();
// Draws every control the classic way: flat button faces in exactly their
// colour with a 3-D bevel, sunken boxes and lists.
void useClassicStyle();

// The main window: draws the model and forwards every event to it.
class MainWindow : public QWidget {
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  Form1& model() { return form_; }
  QWidget* widget(Ctl id) const { return widgets_[static_cast<std::size_t>(id)]; }
  // Replaces the save dialog (tests answer it themselves).
  void setSaveDialog(std::function<std::string()> dialog);
  // Redraws every widget whose control changed since the last redraw.
  void refresh();
  // Runs one of the model's events, then redraws.
  void run(const std::function<void()>& event);

 protected:
  void paintEvent(QPaintEvent*) override;
  void closeEvent(QCloseEvent*) override;

 private:
  void build();
  void apply(Ctl id, const Control& c, bool force);
  std::string askFileName();

  Form1 form_;
  std::array<QWidget*, kControlCount> widgets_{};
  std::array<Control, kControlCount> shown_{};
  std::unique_ptr<exporter::FileSheetSaver> saver_;
  std::function<std::string()> dialog_;
  QPixmap background_;
};

}  // namespace kethmor::ui
