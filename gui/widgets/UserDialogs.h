#pragma once
// The questions and messages the main window puts to the user, behind one interface so the
// commands can be driven by tests without modal dialogs.
#include <QString>
#include <QStringList>

class QWidget;

namespace talmo {

class TUserDialogs {
 public:
  enum class Answer { Yes, No, Cancel };
  virtual ~TUserDialogs() = default;
  // "Do you want to save any changes?" with Yes, No and Cancel.
  virtual Answer AskSaveChanges(QWidget* parent) = 0;
  // Open dialog; returns the chosen file ("" when cancelled) and the 1-based filter index.
  virtual QString OpenFile(QWidget* parent, const QString& folder, const QStringList& filters, int& filterIndex) = 0;
  // Save dialog that asks before overwriting; "" when cancelled. A name typed without an
  // extension gets the first filter's.
  virtual QString SaveFile(QWidget* parent, const QString& title, const QString& proposed,
                           const QStringList& filters) = 0;
  // "<file> already exists. Do you want to replace it?"; true for Yes.
  virtual bool ConfirmReplace(QWidget* parent, const QString& file) = 0;
  // Information box with an OK button ("\r" in the core's texts separates lines).
  virtual void Information(QWidget* parent, const QString& text) = 0;
  // A question with Yes and No; true for Yes.
  virtual bool AskYesNo(QWidget* parent, const QString& text);
  // Starts `program` with `file` as its one argument without waiting; false when it fails.
  virtual bool StartProgram(const QString& program, const QString& file) = 0;
  // Opens a document with the desktop's default application.
  virtual bool OpenDocument(const QString& file) = 0;
};

// The real dialogs of the desktop.
class TDesktopDialogs : public TUserDialogs {
 public:
  Answer AskSaveChanges(QWidget* parent) override;
  QString OpenFile(QWidget* parent, const QString& folder, const QStringList& filters, int& filterIndex) override;
  QString SaveFile(QWidget* parent, const QString& title, const QString& proposed, const QStringList& filters) override;
  bool ConfirmReplace(QWidget* parent, const QString& file) override;
  void Information(QWidget* parent, const QString& text) override;
  bool StartProgram(const QString& program, const QString& file) override;
  bool OpenDocument(const QString& file) override;
};

// A core text with "\r" line breaks as a message box shows it.
QString MessageText(const QString& coreText);

}  // namespace talmo
