#pragma once
// TProgramData: the in-memory project of the interactive program, its scalar settings and the
// project file (.tm8d) that carries them together with the soil-layer and t-z depth tables.
//
// The layer data lives in the grid tables of TProjectTables, which the main window owns for
// the whole run of the program; a project works on them and is replaced by File New and File
// Open. Values are held in the project's unit system (English: lbs, ft, in; SI: kN, m).
//
// Numbers are written and read with "." as the decimal point and no thousands separator
// whatever the process locale: FormatGeneral and the word reader never consult the locale, so
// no process-wide separator has to be switched around saving or reading.
#include <array>
#include <memory>
#include <string>

#include "ProjectTables.h"

namespace talmo {

class TWordReader;

// File-type choices of the open dialog.
enum TProjectFilter : int {
  kFilterCurrent = 1,   // "TALMO 2017(*.tm8d)"
  kFilterNewerOld = 2,  // "TALMO 2012(*.tmd)"
  kFilterOldest = 3,    // "TALMO 6.0(*.tmd)"
  kFilterAllFiles = 4,  // "All Files(*.*)", read as the newer old format
};

constexpr int kMaxChartSettlements = 10;

struct TProjectLoad;

class TProgramData {
 public:
  // A new project: the defaults below, English units, the project tables reset to their
  // minimum rows, unchanged.
  explicit TProgramData(TProjectTables& tables);

  // Reads a project file with the reader of the filter index (1 the current format, 3 the
  // oldest, any other the newer old format). Format errors and a file that cannot be opened
  // do not throw: the result carries the message for the caller to show, and the project holds
  // everything read up to the failure, its tables raised to their minimum rows, unchanged.
  // Other exceptions propagate.
  static TProjectLoad CreateFromFile(TProjectTables& tables, const std::string& fileName, int filterIndex);
  // The same from text already in memory; `fileName` becomes the project's FileName.
  static TProjectLoad CreateFromText(TProjectTables& tables, const std::string& fileName, const std::string& text,
                                     int filterIndex);

  // Writes the project file FileName, normalising the method and multiple-length settings first.
  // The file is replaced only when the whole text has been written: a failure leaves any old
  // file as it was and throws EFOpenError/EInOutError naming the file; the project then stays
  // changed. A project that could not be read back (a layer without a soil type 1 to 9, a
  // choice outside its list, a count outside its limits, a value that is not a finite number,
  // a title of more than one line) is refused with an EInOutError saying what and where.
  void Save();
  // The project file's text as Save writes it, after the same normalisation and checks.
  std::string SaveText();

  // The readers of the two formats, into this (fresh) project; errors propagate as
  // EInOutError with the line and item of the offending word.
  void ReadVersion8(TWordReader& reader);
  void ReadPrevVersions(TWordReader& reader, bool IsNewVer);

  // Switches to unit system 1 (English) or 2 (SI); other codes are clamped into 1..2. The
  // project tables always learn the system; the fields are converted only when it changes.
  void SetUnits(int units);
  int Units() const { return fUnits; }
  // Resets PDSETT to the ten default head movements (inches, or metres in SI).
  void InitPDSET();

  // Changed: the project's own flag or any change in its tables.
  bool Changed() const;
  void SetChanged() { fChanged = true; }
  void ResetChanged();

  TProjectTables& Tables() const { return *tables_; }

  std::string FileName;
  std::string Title;
  int METHOD = 0;       // 1 design load specified (LPD), 2 shaft length specified (PD)
  int KCYCL = 0;        // 1 compression, 2 uplift
  double RCYCL = 0;     // reduction factor for uplift loading
  double PINC = 0;      // output increment, ft / m
  int IMOD = 0;         // end bearing in sands: 1 interpolated to 10 diameters, 0 maximum at any depth
  int NLRFD = 0;        // 1 LRFD, 2 ASD
  int IPENT = 0;        // evaluate multiple shaft lengths
  int IChart = 0;       // compute design charts
  int UseElevation = 0;
  double ValElevation = 0;  // elevation of the shaft top, ft / m
  int PrintTZCurves = 0;
  double DSTART = 0;    // minimum shaft diameter, ft / m
  double DIALIM = 0;    // maximum shaft diameter, ft / m
  double RATIO = 0;     // bell-to-shaft diameter ratio
  double BELANGL = 0;   // bell angle, degrees
  double TOPLENG = 0;   // upper exclusion zone, ft / m
  double BS = 0;        // bottom length without skin friction, ft / m
  double EPILE = 0;     // shaft modulus, lbs/in2 / kN/m2
  double WTD = 0;       // water table depth, ft / m
  double PD = 0;        // shaft length, ft / m
  double LPD = 0;       // design load, tons / kN
  double FST = 0;       // factor of safety on side friction
  double FSB = 0;       // factor of safety on base capacity
  double PDMIN = 0;     // minimum shaft length, ft / m
  double PDINCR = 0;    // shaft length increment, ft / m
  double DIAMINCR = 0;  // shaft diameter increment, ft / m
  int NPOINTPD = 0;     // number of design-chart settlements (0 to 10)
  std::array<double, kMaxChartSettlements> PDSETT{};  // design-chart settlements, in / m
  int Yesnewversion = 0;  // 1 for the current and the newer old format, 0 for the oldest
  int ID2 = 0;            // run flag: 0 when a layer is rock or geomaterial (types 4 to 7)

 private:
  struct TForReading {};
  // A blank project for a reader: every field zero, English units, the tables emptied.
  TProgramData(TProjectTables& tables, TForReading);
  static TProjectLoad load(TProjectTables& tables, const std::string& fileName, int filterIndex,
                           const std::string* text);
  void normaliseForSaving();

  TProjectTables* tables_;
  int fUnits = 1;
  bool fChanged = false;
};

struct TProjectLoad {
  std::unique_ptr<TProgramData> project;
  std::string error;  // empty when the whole file was read
};

}  // namespace talmo
