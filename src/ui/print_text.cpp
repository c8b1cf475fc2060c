#include "ui/print_text.h"

#include <QFontDatabase>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

namespace kethmor::ui {

namespace {

// Prints the text as the preview shows it, on the given printer (or PDF).
void printText(QPrinter& printer, const QString& title, const QString& text) {
  printer.setDocName(title);
  QTextDocument document;
  document.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // A long line without blanks (a typed text) breaks anywhere rather than
  // run off the page.
  QTextOption option = document.defaultTextOption();
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document.setDefaultTextOption(option);
  document.setMetaInformation(QTextDocument::DocumentTitle, title);
  document.setPlainText(text);
  document.print(&printer);
}

}  // namespace

void printPreview(QWidget* parent, const QString& title, const QString& text) {
  // Made only when asked for: nothing of printing is loaded at start-up.
  auto* dialog = new QPrintPreviewDialog(parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(title);
  QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                   [title, text](QPrinter* printer) { printText(*printer, title, text); });
  dialog->open();
}

}  // namespace kethmor::ui
