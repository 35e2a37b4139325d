#!/usr/bin/python3
"""Reads exported workbooks back with openpyxl, a reader independent of the writer.

  check_workbook.py --sample WORKBOOK_SAMPLE
      writes the known plots of workbook_sample (with and without markers) and checks every
      sheet, cell, link and chart of them.
  check_workbook.py --export TALMO --project PROJECT.tm8d
      analyses a copy of the project with `talmo run`, exports it with `talmo export` and
      checks the structure of the workbook and that a failed export keeps the older file.
"""
import argparse
import os
import pathlib
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
import zipfile

import openpyxl

HEADERS = ["     N    ", "                             Plot Name                             ",
           "  Sheet Name  ", "  Chart Name  ", "          Status          "]
failures = []


def expect(condition, what):
    if not condition:
        failures.append(what)


def letters(n):
    """Spreadsheet column letters worked out independently of the writer (1 -> A, 27 -> AA)."""
    text = ""
    while n > 0:
        n, rest = divmod(n - 1, 26)
        text = chr(65 + rest) + text
    return text


def axis_title(axis):
    return "".join(run.t for p in axis.title.tx.rich.p for run in (p.r or []))


def check_index(book, captions):
    """The Legend sheet: headers, then one numbered, linked row per plot."""
    legend = book["Legend"]
    expect(book.active.title == "Legend", "the workbook opens on Legend")
    for col, header in zip("BCDEF", HEADERS):
        cell = legend[col + "2"]
        expect(cell.value == header, f"Legend!{col}2 is {cell.value!r}")
        expect(cell.font.b and cell.alignment.vertical == "center", f"Legend!{col}2 is bold and centred")
        expect(legend.column_dimensions[col].width >= len(header), f"column {col} fits its header")
    for k, caption in enumerate(captions, start=1):
        r = k + 2
        row = [legend.cell(r, c).value for c in range(2, 7)]
        expect(row == [k, caption, f"Page_{k}", f"Plot_{k}", "Complete"], f"Legend row {r} is {row}")
        link = legend.cell(r, 4).hyperlink
        expect(link is not None and link.location == f"Page_{k}!A1", f"Legend!D{r} links to Page_{k}!A1")
    expect(legend.max_row == len(captions) + 2, "Legend has no rows beyond the plots")


def check_sheet_order(book, count):
    names = ["Legend"] + [n for k in range(1, count + 1) for n in (f"Page_{k}", f"Plot_{k}")]
    expect(book.sheetnames == names, f"sheets are {book.sheetnames}")
    kinds = [type(s).__name__ for s in book._sheets]
    expect(kinds == ["Worksheet"] + ["Worksheet", "Chartsheet"] * count, f"sheet kinds are {kinds}")


def chart_of(book, name):
    charts = book[name]._charts
    expect(len(charts) == 1 and type(charts[0]).__name__ == "ScatterChart", f"{name} holds one scatter chart")
    return charts[0]


def check_series(chart, page, count, last_row):
    expect(len(chart.series) == count, f"{page} chart has {len(chart.series)} series, not {count}")
    wrong = []
    for j, s in enumerate(chart.series, start=1):
        x, y = letters(2 * j - 1), letters(2 * j)
        if (s.xVal.numRef.f, s.yVal.numRef.f, s.tx.strRef.f) != (
                f"{page}!${x}$6:${x}${last_row}", f"{page}!${y}$6:${y}${last_row}", f"{page}!${x}$4"):
            wrong.append(j)
    expect(not wrong, f"{page}: series {wrong} read the wrong cells")


def marker_free_series(path):
    """Series drawn without markers, counted in the chart XML (openpyxl reads "none" as unset)."""
    with zipfile.ZipFile(path) as archive:
        return sum(archive.read(n).decode().count('<c:symbol val="none"/>')
                   for n in archive.namelist() if n.startswith("xl/charts/"))


def check_depth_plot(book):
    """Plot 1: 3 lines of 16 points, x = 100 j + i, y = 0.5 i, fill A4:F21 of Page_1."""
    page = book["Page_1"]
    expect(page["A1"].value == "Ultimate Skin Friction vs Depth", "Page_1!A1 is the caption")
    expect(page["G1"].hyperlink is not None and page["G1"].hyperlink.location == "Legend!A1", "G1 links back")
    expect([page["A2"].value, page["B2"].value] == ["X", "Ultimate Skin Friction  (tons)"], "x caption")
    expect([page["A3"].value, page["B3"].value] == ["Y", "Depth (ft)"], "y caption")
    for j in range(3):
        x, y = 2 * j + 1, 2 * j + 2
        expect(page.cell(4, x).value == f"L ={10 * (j + 1)} ft", f"line {j + 1} name")
        expect([page.cell(5, x).value, page.cell(5, y).value] == ["X", "Y"], f"line {j + 1} X/Y row")
        for i in range(16):
            got = (page.cell(6 + i, x).value, page.cell(6 + i, y).value)
            expect(got == (100 * j + i, 0.5 * i), f"line {j + 1} point {i} is {got}")
    expect(page.max_row == 21, f"Page_1 ends on row {page.max_row}")
    expect(all(page.cell(r, 7).value is None for r in range(2, 22)), "column G holds only the link")

    chart = chart_of(book, "Plot_1")
    check_series(chart, "Page_1", 3, 21)
    expect(chart.y_axis.scaling.orientation == "maxMin", "depth grows downward on Plot_1")
    expect(chart.x_axis.scaling.orientation == "minMax", "x is not reversed on Plot_1")
    expect(axis_title(chart.x_axis) == "Ultimate Skin Friction  (tons)", "Plot_1 x axis title")
    expect(axis_title(chart.y_axis) == "Depth (ft)", "Plot_1 y axis title")
    expect(chart.x_axis.majorGridlines is not None and chart.y_axis.majorGridlines is not None, "gridlines")
    expect(chart.title is None, "Plot_1 has no title")


def check_many_lines(book):
    """Plot 2: 300 lines of 2 points (SI units): all written as data, 255 charted."""
    page = book["Page_2"]
    expect(page["B2"].value == "Axial Displacement, z (m)", "SI x caption")
    expect(page["B3"].value == "Unit Load Transfer, t (kN/m^2)", "SI y caption")
    expect(page.cell(4, 599).value == "Curve #300", "the 300th line is written")
    expect(page.cell(7, 600).value == 299, "the 300th line's last point")
    chart = chart_of(book, "Plot_2")
    check_series(chart, "Page_2", 255, 7)
    expect(chart.series[-1].yVal.numRef.f == "Page_2!$SP$6:$SP$7", "series 255 reads column SP")
    expect(chart.y_axis.scaling.orientation == "minMax", "t grows upward on Plot_2")


def check_elevation_plot(book):
    page = book["Page_3"]
    got = [(page.cell(r, 1).value, page.cell(r, 2).value) for r in (6, 7, 8)]
    expect(got == [(0, 100), (50, 80), (60, None)], f"an undefined y stays blank: {got}")
    chart = chart_of(book, "Plot_3")
    expect(chart.y_axis.scaling.orientation == "minMax", "elevations grow upward on Plot_3")
    expect(chart.x_axis.crosses == "max", "the x axis of Plot_3 stands at the top")


def check_sample(generator):
    captions = ["Ultimate Skin Friction vs Depth", "t-z curves (averaged)", "Ultimate Total Capacity vs Depth"]
    with tempfile.TemporaryDirectory() as folder:
        for markers in (True, False):
            out = os.path.join(folder, "sample.xlsx")
            run = subprocess.run([generator, out] + ([] if markers else ["--no-markers"]),
                                 capture_output=True, text=True, check=True)
            expect("Some plots show only 255 series" in run.stdout, "the 255-series note")
            book = openpyxl.load_workbook(out)
            check_sheet_order(book, 3)
            check_index(book, captions)
            check_depth_plot(book)
            check_many_lines(book)
            expect(marker_free_series(out) == (0 if markers else 3 + 255 + 1), "markers as asked")
            check_elevation_plot(book)
            expect(os.listdir(folder) == ["sample.xlsx"], f"the folder holds {os.listdir(folder)}")


def check_export(talmo, project):
    with tempfile.TemporaryDirectory() as folder:
        copy = pathlib.Path(folder) / pathlib.Path(project).name
        shutil.copy(project, copy)
        subprocess.run([talmo, "run", str(copy)], capture_output=True, check=True)
        run = subprocess.run([talmo, "export", str(copy)], capture_output=True, text=True)
        expect(run.returncode == 0, f"talmo export failed: {run.stderr}")
        default = copy.with_suffix(".xlsx")
        expect(str(default) in run.stdout, f"the output names the workbook: {run.stdout}")
        book = openpyxl.load_workbook(default)
        count = (len(book.sheetnames) - 1) // 2
        check_sheet_order(book, count)
        captions = [book[f"Page_{k}"]["A1"].value for k in range(1, count + 1)]
        check_index(book, captions)
        expect(captions[:3] == ["Ultimate Skin Friction vs Depth", "Ultimate Tip Resistance vs Depth",
                                "Ultimate Total Capacity vs Depth"], f"plots in the fixed order: {captions}")
        for k in range(1, count + 1):
            chart = chart_of(book, f"Plot_{k}")
            expect(len(chart.series) >= 1, f"Plot_{k} has series")

        # -o names another file.
        other = pathlib.Path(folder) / "other.xlsx"
        subprocess.run([talmo, "export", str(copy), "-o", str(other)], capture_output=True, check=True)
        expect(openpyxl.load_workbook(other).sheetnames == book.sheetnames, "-o writes the same workbook")

        # An export that fails part-way (a file-size limit stands in for a full disk) names the
        # file, keeps the older workbook and leaves no temporary file.
        before = default.read_bytes()

        def small_files():
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_FSIZE, (4096, resource.RLIM_INFINITY))

        failed = subprocess.run([talmo, "export", str(copy)], capture_output=True, text=True, preexec_fn=small_files)
        expect(failed.returncode == 2 and f'"{default}": File too large' in failed.stderr,
               f"failure named: {failed.stderr}")
        expect(default.read_bytes() == before, "the older workbook is intact")
        expect(not [n for n in os.listdir(folder) if n.endswith(".tmp")], "no temporary file is left")

        missing = subprocess.run([talmo, "export", str(pathlib.Path(folder) / "none.tm8d")],
                                 capture_output=True, text=True)
        expect(missing.returncode == 2 and "none.tm8d" in missing.stderr, f"missing project: {missing.stderr}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--sample")
    parser.add_argument("--export")
    parser.add_argument("--project")
    args = parser.parse_args()
    if args.sample:
        check_sample(args.sample)
    if args.export:
        check_export(args.export, args.project)
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
