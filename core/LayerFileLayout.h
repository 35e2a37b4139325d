#pragma once
// The layout of a layer's two data lines in the project file, by soil type: the items before
// the two LRFD resistance factors, in file order. The writer and the readers both follow it.
#include <string>
#include <vector>

namespace talmo {

struct TLayerItem {
  enum TKind {
    Placeholder,      // the literal "0.0"
    Real,             // a real of the layer's own table
    Whole,            // an integer of the layer's own table (blow counts, a choice)
    MaxSideFriction,  // SF of the soil-layer table
    MaxEndBearing,    // EB of the soil-layer table
  };
  TKind kind;
  int column = -1;  // column of the layer's own table (Real, Whole)
};

// The items of either data line of a layer of this type (1 to 9); empty for other codes.
// The line then ends with the two LRFD factors, which older files leave out.
const std::vector<TLayerItem>& LayerLineItems(int soilType);

// The sand table's column of the coefficient that the side friction method (1 Ko, 2 Beta,
// 3 Chen and Kulhawy) uses; the file carries it on the line after the method.
int SandCoefficientColumn(int method);

class TColumn;
// A column of a layer table as messages name it: its heading lines in lower case
// ("interface condition").
std::string LayerColumnName(const TColumn& column);

}  // namespace talmo
