// The column definition stream: the typed value encoding, a round trip of every column class,
// the older column forms and the three definition errors.
#include <gtest/gtest.h>

#include "Errors.h"
#include "GridTable.h"
#include "ValueStream.h"

namespace talmo {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ValueStream, TagsPayloadsAndTheirReading) {
  TValueWriter w;
  w.WriteInteger(-5);
  w.WriteInteger(300);
  w.WriteInteger(-70000);
  w.WriteBoolean(true);
  w.WriteString("L2");
  w.WriteFloat(2.5);
  w.WriteListBegin();
  w.WriteListEnd();
  const Bytes expected{2,    0xFB,                                     // Int8 -5
                       3,    0x2C, 0x01,                               // Int16 300
                       4,    0x90, 0xEE, 0xFE, 0xFF,                   // Int32 -70000
                       9,                                              // True
                       6,    2,    'L',  '2',                          // String
                       5,    0,    0,    0,    0, 0, 0, 0x04, 0x40,    // Real 2.5
                       1,    0};                                       // List, Null
  EXPECT_EQ(w.Bytes(), expected);

  TValueReader r(w.Bytes());
  EXPECT_EQ(r.ReadInteger(), -5);
  EXPECT_EQ(r.ReadFloat(), 300.0);  // an integer where a real is expected
  EXPECT_EQ(r.ReadInteger(), -70000);
  EXPECT_TRUE(r.ReadBoolean());
  EXPECT_EQ(r.ReadString(), "L2");
  EXPECT_EQ(r.ReadFloat(), 2.5);
  r.ReadListBegin();
  EXPECT_TRUE(r.EndOfList());
  r.ReadListEnd();
  EXPECT_TRUE(r.AtEnd());
  EXPECT_THROW(r.ReadInteger(), EInOutError);
}

TEST(ValueStream, LongStringsAndMalformedData) {
  TValueWriter w;
  const std::string text(300, 'x');
  w.WriteString(text);
  EXPECT_EQ(w.Bytes()[0], 12);  // LString
  EXPECT_EQ(TValueReader(w.Bytes()).ReadString(), text);

  // A length running past the end, a wrong type and an unknown tag.
  EXPECT_THROW(TValueReader(Bytes{12, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}).ReadString(), EInOutError);
  EXPECT_THROW(TValueReader(Bytes{9}).ReadString(), EInOutError);
  EXPECT_THROW(TValueReader(Bytes{77}).ReadInteger(), EInOutError);
}

// A table with one column of every class, as a definition would give it.
void defineEveryClass(TGridTable& t) {
  auto& type = t.AddColumn<TEnumColumn>();
  type.Headings = {"Soil Type"};
  type.Names = {"sand", "clay", "rock"};
  auto& depth = t.AddColumn<TFloatColumn>();
  depth.Headings = {"Depth at Bottom ", "of each Layer"};
  depth.UnitsString = "L2";
  depth.Default = 1.5;
  auto& data = t.AddColumn<TTableColumn>();
  data.Headings = {"Layer  Data"};
  data.Templates.AddIdentifier(31);
  data.Templates.AddIdentifier(-1);
  data.Templates.AddIdentifier(32);
  auto& blows = t.AddColumn<TIntColumn>();
  blows.Minimum = 0;
  blows.Maximum = 100;
  blows.Default = 7;
  blows.Visible = false;
  auto& note = t.AddColumn<TStringColumn>();
  note.Default = "-";
  note.MinWidth = 0.75;
  note.SameGroup = true;
}

TEST(ColumnStream, EveryColumnClassSurvivesARoundTrip) {
  TTableRegistry registry;
  TGridTable sand(registry), gravel(registry), source(registry);
  sand.SetIdentifier(31);
  gravel.SetIdentifier(32);
  defineEveryClass(source);
  TValueWriter first;
  source.WriteColumns(first);

  TGridTable copy(registry);
  copy.SetRowCount(2);
  TValueReader reader(first.Bytes());
  copy.ReadColumns(reader);
  EXPECT_TRUE(reader.AtEnd());
  TValueWriter second;
  copy.WriteColumns(second);
  EXPECT_EQ(second.Bytes(), first.Bytes());

  ASSERT_EQ(copy.ColumnCount(), 5);
  EXPECT_EQ(copy.ColumnAs<TEnumColumn>(0).Names, (std::vector<std::string>{"sand", "clay", "rock"}));
  EXPECT_EQ(copy.ColumnAs<TFloatColumn>(1).Headings.size(), 2u);
  EXPECT_EQ(copy.ColumnAs<TFloatColumn>(1).UnitsString, "L2");
  EXPECT_EQ(copy.ColumnAs<TIntColumn>(3).Maximum, 100);
  EXPECT_FALSE(copy.Column(3).Visible);
  EXPECT_EQ(copy.ColumnAs<TStringColumn>(4).MinWidth, 0.75);
  EXPECT_TRUE(copy.Column(4).SameGroup);
  // The existing rows are filled with the new columns' new-row values and templates.
  EXPECT_EQ(copy.GetFloatValue(1, 1), 1.5);
  EXPECT_EQ(copy.GetIntValue(3, 1), 7);
  EXPECT_NE(copy.GetDataValue(2, 0), nullptr);  // a copy of template 31
  copy.SetIntValue(0, 0, 2);
  EXPECT_EQ(copy.GetDataValue(2, 0), nullptr);  // -1: no template for clay
}

TEST(ColumnStream, OlderFormsAreReadAndWrittenInTheCurrentForm) {
  TTableRegistry registry;
  TGridTable first(registry), second(registry), third(registry);  // identifiers 1, 2, 3

  TValueWriter w;
  w.WriteInteger(3);
  w.WriteInteger(0);  // choice column
  w.WriteListBegin(), w.WriteString("Type"), w.WriteListEnd();
  w.WriteBoolean(true), w.WriteBoolean(false);
  w.WriteListBegin(), w.WriteString("a"), w.WriteString("b"), w.WriteListEnd();
  w.WriteInteger(2);  // real column, older form: the unit code and nothing after it
  w.WriteListBegin(), w.WriteListEnd();
  w.WriteBoolean(true), w.WriteBoolean(false);
  w.WriteBoolean(false);
  w.WriteString("F/L2^2");
  w.WriteInteger(3);  // table column, older form: one template by registry position
  w.WriteListBegin(), w.WriteListEnd();
  w.WriteBoolean(true), w.WriteBoolean(false);
  w.WriteString("FLEXCOLUMN");
  w.WriteInteger(2);

  TGridTable t(registry);
  TValueReader r(w.Bytes());
  t.ReadColumns(r);
  EXPECT_EQ(t.ColumnAs<TFloatColumn>(1).UnitsString, "F/L2^2");
  EXPECT_EQ(t.ColumnAs<TFloatColumn>(1).Default, 0.0);
  const auto& data = t.ColumnAs<TTableColumn>(2);
  // Without HardwiredButton choice k uses the table with identifier k ...
  EXPECT_EQ(data.TemplateFor(1), &first);
  EXPECT_EQ(data.TemplateFor(2), &second);
  // ... with it the one template (registry position 2: the third table) serves every choice.
  t.HardwiredButton = true;
  EXPECT_EQ(data.TemplateFor(1), &third);
  EXPECT_EQ(data.TemplateFor(2), &third);

  TValueWriter current;
  t.WriteColumns(current);
  TGridTable again(registry);
  TValueReader back(current.Bytes());
  again.ReadColumns(back);
  const auto& rewritten = again.ColumnAs<TTableColumn>(2);
  EXPECT_FALSE(rewritten.LegacyTemplateIndex.has_value());
  ASSERT_EQ(rewritten.Templates.Count(), 2);
  EXPECT_EQ(rewritten.Templates.Entry(0).value, third.Identifier());
  EXPECT_EQ(rewritten.Templates.Entry(1).value, third.Identifier());
}

std::string readError(const Bytes& bytes, TGridTable& t) {
  try {
    TValueReader r(bytes);
    t.ReadColumns(r);
  } catch (const EInOutError& e) {
    return e.what();
  }
  return "(read)";
}

TEST(ColumnStream, DefinitionErrorsLeaveTheColumnsAsTheyWere) {
  TTableRegistry registry;
  TGridTable t(registry);
  t.AddColumn<TFloatColumn>();
  TValueWriter good;
  {
    TGridTable source(registry);
    defineEveryClass(source);
    source.WriteColumns(good);
  }
  Bytes truncated = good.Bytes();
  truncated.resize(truncated.size() - 3);
  TValueWriter badTopDepth;
  badTopDepth.WriteInteger(1);
  badTopDepth.WriteInteger(2);
  badTopDepth.WriteListBegin(), badTopDepth.WriteListEnd();
  badTopDepth.WriteBoolean(true), badTopDepth.WriteBoolean(false), badTopDepth.WriteBoolean(true);
  badTopDepth.WriteString("FLOATCOLUMN2"), badTopDepth.WriteString("L2"), badTopDepth.WriteFloat(0);

  struct Case {
    Bytes bytes;
    const char* error;
  } cases[] = {
      {{}, "Error reading column count"},
      {{6, 1, 'x'}, "Error reading column count"},
      {{2, 0xFF}, "Error reading column count"},
      {{2, 1, 2, 7}, "Error Column Class not defined"},
      {truncated, "Error occured when creating column 4: Stream read error: the data ends too early"},
      {badTopDepth.Bytes(),
       "Error occured when creating column 0: If column if a topdepth then the next column must be a float column"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readError(c.bytes, t), c.error);
    ASSERT_EQ(t.ColumnCount(), 1);
    EXPECT_EQ(t.Column(0).ClassCode(), TColumnClass::Float);
  }
}

}  // namespace
}  // namespace talmo
