#pragma once
// A stand-in for the main window as the project editors see it: a fresh project and its
// tables, a count of changes, the word processor setting and recorded messages instead of
// message boxes; plus look-ups of an editor's controls by their texts.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "NumericField.h"
#include "ProgramData.h"
#include "EditorWindow.h"
#include "ProjectTables.h"
#include "UserDialogs.h"

namespace talmo::testing {

class TFakeDialogs : public TUserDialogs {
 public:
  Answer AskSaveChanges(QWidget*) override { return Answer::No; }
  QString OpenFile(QWidget*, const QString& folder, const QStringList& filters, int& filterIndex) override {
    openFolder = folder;
    openFilters = filters;
    filterIndex = 1;
    return chosenFile;
  }
  QString SaveFile(QWidget*, const QString&, const QString&, const QStringList&) override { return {}; }
  bool ConfirmReplace(QWidget*, const QString& file) override {
    replaceQuestions << file;
    return replaceAnswer;
  }
  void Information(QWidget*, const QString& text) override { messages << text; }
  bool AskYesNo(QWidget*, const QString& text) override {
    yesNoQuestions << text;
    return answerYes;
  }
  bool StartProgram(const QString&, const QString&) override { return true; }
  bool OpenDocument(const QString&) override { return true; }

  QStringList messages;
  QStringList yesNoQuestions;
  bool answerYes = true;
  QString chosenFile;  // what the open dialog answers ("" is cancelled)
  QString openFolder;
  QStringList openFilters;
  QStringList replaceQuestions;  // files the user was asked to replace
  bool replaceAnswer = false;
};

class TFakeHost : public TEditorHost {
 public:
  TProgramData& Project() override { return project; }
  TProjectTables& Tables() override { return tables; }
  void MarkChanged() override {
    ++changes;
    project.SetChanged();
  }
  QString WordProcessor() const override { return wordProcessor; }
  void SetWordProcessor(const QString& program) override { wordProcessor = program; }
  TUserDialogs& Dialogs() override { return dialogs; }

  TProjectTables tables;
  TProgramData project{tables};
  int changes = 0;
  QString wordProcessor = "xdg-open";
  TFakeDialogs dialogs;
};

// The numeric field of `editor` with the caption `caption`; fails the test when there is none.
inline TDataEdit* Field(QWidget& editor, const QString& caption) {
  for (TDataEdit* field : editor.findChildren<TDataEdit*>())
    if (field->Caption() == caption) return field;
  ADD_FAILURE() << "no field " << caption.toStdString();
  return nullptr;
}

// The control of class T showing `text`.
template <class T>
T* Control(QWidget& editor, const QString& text) {
  for (T* control : editor.findChildren<T*>())
    if (control->text() == text) return control;
  ADD_FAILURE() << "no control " << text.toStdString();
  return nullptr;
}

// Replaces the text of a field by typing `text` as the user does.
inline void Type(QLineEdit* field, const QString& text) {
  field->clear();
  QTest::keyClicks(field, text);
}

}  // namespace talmo::testing
