// The project data: a new project's defaults and tables, unit switching of fields and tables,
// the design-chart settlements and the changed state.
#include "ProgramData.h"

#include <gtest/gtest.h>

namespace talmo {
namespace {

TEST(ProgramData, NewProjectDefaultsAndTables) {
  TProjectTables tables;
  tables.D().SetRowCount(5);
  tables.D().SetUnits(2);
  TProgramData p(tables);

  EXPECT_EQ(p.FileName, "NewShaft.tm8d");
  EXPECT_EQ(p.Title, "New Pile");
  EXPECT_EQ(p.Units(), 1);
  EXPECT_EQ(p.METHOD, 2);
  EXPECT_EQ(p.KCYCL, 1);
  EXPECT_EQ(p.RCYCL, 1.0);
  EXPECT_EQ(p.PINC, 1.0);
  EXPECT_EQ(p.IMOD, 1);
  EXPECT_EQ(p.NLRFD, 2);
  EXPECT_EQ(p.FST, 2.5);
  EXPECT_EQ(p.FSB, 3.0);
  EXPECT_EQ(p.NPOINTPD, 5);
  EXPECT_EQ(p.PDSETT, (std::array<double, 10>{0.1, 0.25, 0.5, 0.75, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(p.Yesnewversion, 1);
  EXPECT_EQ(p.ID2, 1);
  EXPECT_EQ(p.PD, 0.0);
  EXPECT_EQ(p.EPILE, 0.0);

  // The outgoing project's rows are gone: one fresh sand layer and one t-z depth.
  const TGridTable& d = tables.D();
  ASSERT_EQ(d.RowCount(), 1);
  EXPECT_EQ(d.Units(), 1);
  EXPECT_EQ(d.GetIntValue(kLayerSoilType, 0), kSoilSand);
  EXPECT_EQ(d.GetFloatValue(kLayerDepth, 0), 0.0);
  EXPECT_EQ(d.GetFloatValue(kLayerSideFactor, 0), 1.0);
  EXPECT_EQ(d.GetFloatValue(kLayerTipFactor, 0), 1.0);
  const TGridTable* layer = d.GetDataValue(kLayerData, 0);
  ASSERT_NE(layer, nullptr);
  EXPECT_EQ(layer->Caption, "Sand (FHWA Spec.)");
  EXPECT_EQ(layer->RowCount(), 2);
  EXPECT_EQ(layer->GetIntValue(sand::Method, kLayerBottom), sand::KoMethod);
  EXPECT_EQ(tables.TblTZDepth().RowCount(), 1);
  EXPECT_FALSE(p.Changed());
}

TEST(ProjectTables, LayerTemplatesByType) {
  TProjectTables tables;
  const int columnCounts[] = {8, 5, 5, 7, 5, 7, 7, 3, 3};
  for (int type = 1; type <= kSoilTypeCount; ++type) {
    const TGridTable& templ = tables.LayerTemplate(type);
    EXPECT_EQ(templ.Identifier(), kLayerTemplateIdentifiers[static_cast<std::size_t>(type - 1)]);
    EXPECT_EQ(templ.ColumnCount(), columnCounts[type - 1]) << "type " << type;
    EXPECT_EQ(templ.MinRows(), 2);
    EXPECT_EQ(templ.MaxRows(), 2);
  }
  // Choosing a type gives the row a fresh copy of that type's template.
  TGridTable& d = tables.D();
  d.SetRowCount(2);
  d.SetIntValue(kLayerSoilType, 1, kSoilGravel);
  const TGridTable& layer = *d.GetDataValue(kLayerData, 1);
  EXPECT_EQ(layer.Caption, "Gravel (Rollins et al)");
  EXPECT_EQ(layer.EditorCaption(), "Gravel (Rollins et al) 2");
  EXPECT_EQ(d.ColumnHeadings(kLayerMaxSideFriction).back(), "Friction (lbs/ft^2)  ");
  EXPECT_EQ(tables.LayerTemplate(kSoilWeakRock).ColumnHeadings(weakrock::Slump).back(), "Slump (in)  ");
  EXPECT_EQ(d.ColumnAs<TEnumColumn>(kLayerSoilType).Names[3], "strong rock (FHWA-side frict. or end bear.)");
}

TEST(ProgramData, UnitSwitchingConvertsFieldsAndTables) {
  TProjectTables tables;
  TProgramData p(tables);
  p.PD = 10;
  p.DSTART = 3;
  p.PINC = 1;
  p.ValElevation = 100;
  p.EPILE = 1000;
  p.LPD = 100;
  p.RCYCL = 0.7;
  p.RATIO = 2;
  p.BELANGL = 45;
  p.FST = 2.5;
  TGridTable& d = tables.D();
  d.SetFloatValue(kLayerDepth, 0, 10);
  d.SetFloatValue(kLayerMaxSideFriction, 0, 2088.5434);
  d.SetFloatValue(kLayerSideFactor, 0, 0.55);
  d.GetDataValue(kLayerData, 0)->SetFloatValue(sand::UnitWeight, kLayerTop, 120);
  tables.TblTZDepth().SetFloatValue(0, 0, 20);
  p.ResetChanged();

  p.SetUnits(2);
  EXPECT_EQ(p.Units(), 2);
  EXPECT_NEAR(p.PD, 3.048, 1e-12);
  EXPECT_NEAR(p.DSTART, 0.9144, 1e-12);
  EXPECT_NEAR(p.PINC, 0.3048, 1e-12);
  EXPECT_NEAR(p.ValElevation, 30.48, 1e-12);
  EXPECT_NEAR(p.EPILE, 6894.757, 1e-3);  // 1000 x 0.00444822 / 0.0254^2
  EXPECT_NEAR(p.LPD, 889.6442997, 1e-7);
  EXPECT_EQ(p.RCYCL, 0.7);
  EXPECT_EQ(p.RATIO, 2);
  EXPECT_EQ(p.BELANGL, 45);
  EXPECT_EQ(p.FST, 2.5);
  // The five design-chart movements in metres; the unused entries keep their inches.
  const double metres[] = {0.00254, 0.00635, 0.0127, 0.01905, 0.0254};
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(p.PDSETT[static_cast<std::size_t>(i)], metres[i], 1e-15);
  EXPECT_EQ(p.PDSETT[5], 1.0);
  EXPECT_NEAR(d.GetFloatValue(kLayerDepth, 0), 3.048, 1e-9);
  EXPECT_NEAR(d.GetFloatValue(kLayerMaxSideFriction, 0), 100.0, 1e-4);
  EXPECT_EQ(d.GetFloatValue(kLayerSideFactor, 0), 0.55);
  // 120 pcf / 6.3658798 pcf per kN/m3
  EXPECT_NEAR(d.GetDataValue(kLayerData, 0)->GetFloatValue(sand::UnitWeight, kLayerTop), 18.850497, 1e-6);
  EXPECT_NEAR(tables.TblTZDepth().GetFloatValue(0, 0), 6.096, 1e-9);
  EXPECT_TRUE(p.Changed());

  p.SetUnits(5);  // acts as 2: already SI, nothing moves
  EXPECT_NEAR(p.PD, 3.048, 1e-12);
  p.SetUnits(0);  // acts as 1
  EXPECT_EQ(p.Units(), 1);
  EXPECT_NEAR(p.PD, 10, 1e-9);
  EXPECT_NEAR(p.ValElevation, 100, 1e-9);
  EXPECT_NEAR(p.EPILE, 1000, 1e-6);
  EXPECT_NEAR(p.LPD, 100, 1e-6);
  EXPECT_NEAR(p.PDSETT[0], 0.1, 1e-12);
  EXPECT_NEAR(d.GetFloatValue(kLayerDepth, 0), 10, 1e-9);
  EXPECT_NEAR(d.GetDataValue(kLayerData, 0)->GetFloatValue(sand::UnitWeight, kLayerTop), 120, 1e-9);
}

TEST(ProgramData, DesignChartSettlementsDefaultInTheUnitSystem) {
  TProjectTables tables;
  TProgramData p(tables);
  p.NPOINTPD = 0;
  p.SetUnits(2);
  p.InitPDSET();
  EXPECT_NEAR(p.PDSETT[0], 0.1 / 39.37007874, 1e-15);
  EXPECT_NEAR(p.PDSETT[9], 0.0254, 1e-12);
}

TEST(ProgramData, ChangedStateCoversTheTables) {
  TProjectTables tables;
  TProgramData p(tables);
  p.SetChanged();
  EXPECT_TRUE(p.Changed());
  p.ResetChanged();
  tables.D().GetDataValue(kLayerData, 0)->SetFloatValue(sand::Ko, kLayerTop, 0.5);
  EXPECT_TRUE(p.Changed());
  p.ResetChanged();
  EXPECT_FALSE(p.Changed());
  EXPECT_FALSE(tables.D().Changed());
  tables.TblTZDepth().AddRowGroup();
  EXPECT_TRUE(p.Changed());
}

}  // namespace
}  // namespace talmo
