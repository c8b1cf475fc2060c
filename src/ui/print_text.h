#pragma once

#include <QString>

class QWidget;

namespace kethmor::ui {

// Opens the toolkit's print preview of a plain text (window-modal, it closes
// itself), from which the player prints it or saves it as a PDF. The text
// is set in the system's fixed-pitch font, so columns of blanks stand as in
// the text, on as many pages as it takes; the title names the window and
// the printed document.
void printPreview(QWidget* parent, const QString& title, const QString& text);

}  // namespace kethmor::ui
