// The numeric entry field: evaluation, limits, integer and hexadecimal rules, the label with
// units, the messages and the operator typed over a selected number.
#include "NumericField.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QWidget>

#include "gui/gui_support.h"

namespace talmo {
namespace {

// A field in a shown window whose messages are recorded instead of shown.
struct FieldFixture {
  FieldFixture() {
    field = new TDataEdit(&window);
    other = new QLineEdit(&window);
    other->move(0, 40);
    field->SetMessageHandler([this](QWidget*, const QString& text) { messages << text; });
    window.show();
  }
  QWidget window;
  TDataEdit* field;
  QLineEdit* other;
  QStringList messages;
};

TEST(DataEdit, EvaluatesOnEnterAndRewritesTheText) {
  FieldFixture f;
  f.field->setText("2+3*4");
  QTest::keyClick(f.field, Qt::Key_Return);
  EXPECT_EQ(f.field->text(), "14");
  EXPECT_TRUE(f.messages.isEmpty());
  EXPECT_EQ(f.field->selectedText(), "14");
}

TEST(DataEdit, RejectedEntriesGiveTheirMessages) {
  struct Case {
    const char* entry;
    bool integerOnly;
    double minVal;
    double maxVal;
    const char* message;
    const char* textAfter;
  } cases[] = {
      {"7/2", true, -1e9, 1e9, "Entry must be an integer.", "7/2"},
      {"abc", true, -1e9, 1e9, "Entry must be a valid integer.", "abc"},
      {"1", false, 2, 1e9, "Entry must be greater than or equal to 2", "2"},
      {"31", false, -1e9, 30, "Entry must be less than or equal to 30", "30"},
  };
  for (const Case& c : cases) {
    FieldFixture f;
    f.field->SetIntegerOnly(c.integerOnly);
    f.field->SetMinVal(c.minVal);
    f.field->SetMaxVal(c.maxVal);
    f.field->setText(c.entry);
    EXPECT_FALSE(f.field->CloseQuery()) << c.entry;
    ASSERT_EQ(f.messages.size(), 1) << c.entry;
    EXPECT_EQ(f.messages[0], c.message) << c.entry;
    EXPECT_EQ(f.field->text(), c.textAfter) << c.entry;
  }
}

TEST(DataEdit, EvaluatorMessagesShowOnSeparateLines) {
  FieldFixture f;
  f.field->setText("");
  EXPECT_FALSE(f.field->Evaluate());
  ASSERT_EQ(f.messages.size(), 1);
  EXPECT_EQ(f.messages[0], "Entry could not be evaluated:\nentry cannot be blank");
}

TEST(DataEdit, LimitsMoveTheNumberAndStayOrdered) {
  FieldFixture f;
  f.field->SetNumber(50);
  f.field->SetMaxVal(30);
  EXPECT_EQ(f.field->text(), "30");
  f.field->SetMinVal(40);  // above the maximum: becomes the maximum
  EXPECT_EQ(f.field->MinVal(), 30);
  f.field->SetMaxVal(1e20);
  f.field->SetIntegerOnly(true);
  EXPECT_EQ(f.field->MaxVal(), 2147483647.0);
  f.field->SetHex(true);
  f.field->SetNumber(255);
  EXPECT_EQ(f.field->text(), "$00FF");
}

TEST(DataEdit, LabelShowsCaptionAndExpandedUnits) {
  FieldFixture f;
  QLabel label(&f.window);
  f.field->SetEditLabel(&label);
  f.field->SetCaption("Depth of water table");
  f.field->SetUnitsString("L2");
  EXPECT_EQ(label.text(), "Depth of water table (ft)");
  f.field->SetUnits(2);
  EXPECT_EQ(label.text(), "Depth of water table (m)");
  f.field->SetUnitsString("F/L^2");
  EXPECT_EQ(label.text(), "Depth of water table (kN/m^2)");
  f.field->SetUnitsString("");
  EXPECT_EQ(label.text(), "Depth of water table");
  f.field->setEnabled(false);
  EXPECT_FALSE(label.isEnabled());
  EXPECT_EQ(label.buddy(), f.field);
}

TEST(DataEdit, AnOperatorTypedOverTheSelectedNumberExtendsIt) {
  FieldFixture f;
  f.field->setText("5");
  f.field->setFocus();
  f.field->selectAll();
  QTest::keyClicks(f.field, "*2");
  EXPECT_EQ(f.field->text(), "5*2");
  f.field->selectAll();
  QTest::keyClicks(f.field, "7");  // a digit still replaces the selection
  EXPECT_EQ(f.field->text(), "7");
}

}  // namespace
}  // namespace talmo
