#pragma once
// The message boxes and file steps the preset dialogs share.
#include <QString>

class QDialog;
class QDialogButtonBox;
class QWidget;
class tcPresetHeader;
class tcSettings;

class tcPresetUi {
 public:
  static constexpr const char* kErrorTitle = "Error";

  static void warn(QWidget* parent, const QString& title, const QString& text);
  static void inform(QWidget* parent, const QString& title, const QString& text);
  // Yes/No question; true for Yes.
  static bool ask(QWidget* parent, const QString& title, const QString& text);
  // "Error" box naming the file that could not be written and why; the old
  // file was kept.
  static void write_failed(QWidget* parent, const QString& path, const QString& reason);
  // A load result as the user reads it: format filled with the result text,
  // in a box titled "Error".
  static void load_failed(QWidget* parent, const char* format, int code);

  // The "OK" and "Cancel" buttons of a dialog, wired to its accept and reject.
  static QDialogButtonBox* ok_cancel(QDialog* dialog);

  // Writes a preset file (through a temporary file); on failure tells the user
  // and returns -1.
  static int write_preset(QWidget* parent, const QString& path, const tcPresetHeader& header,
                          const tcSettings& set);
  // Writes bytes whole or not at all; on failure tells the user and returns -1.
  static int write_bytes(QWidget* parent, const QString& path, const QByteArray& bytes);
  // Applies an index edit's result: on failure tells the user.
  static int index_result(QWidget* parent, const QString& folder, int result,
                          const QString& reason);
};
