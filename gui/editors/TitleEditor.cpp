#include "TitleEditor.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace talmo {

TdlgTitle::TdlgTitle(TEditorHost& host, QWidget* parent)
    : TEditorWindow(host, QStringLiteral("Project Title"), parent) {
  title_ = new QLineEdit;
  title_->setMaxLength(kMaxTitleLength);
  title_->setMinimumWidth(title_->fontMetrics().averageCharWidth() * 60);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Enter line of text for project description:")));
  layout->addWidget(title_);
  layout->addStretch();
}

void TdlgTitle::LoadFromProject() { title_->setText(QString::fromStdString(host_.Project().Title)); }

void TdlgTitle::WriteToProject() {
  // Only the user's own edit is stored: a longer title read from a file, which the field
  // shows cut to 80 characters, stays whole until the user changes it.
  if (!title_->isModified()) return;
  const std::string text = title_->text().toStdString();
  if (text == host_.Project().Title) return;
  host_.Project().Title = text;
  host_.MarkChanged();
}

}  // namespace talmo
