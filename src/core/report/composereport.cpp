#include "report/composereport.h"

#include "engine/comparison.h"
#include "engine/itemtextcache.h"
#include "platform/numtext.h"
#include "report/costs.h"
#include "report/timeline.h"
#include "workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <utility>

namespace arvex {

namespace {

// Pictures without a usable resolution of their own are taken at 96 dots
// per inch, 15 twips a dot.
constexpr double kTwipsPerDot = 15;

// A figure that is exactly 0 prints as "0": the classic pictures would print
// nothing, "." or ".0" for it.
QString FormatFigure(float value, const QString& picture) {
  if (value == 0) return QStringLiteral("0");
  return Format(value, picture);
}
QString FormatFigure(double value, const QString& picture) {
  if (value == 0) return QStringLiteral("0");
  return Format(value, picture);
}

QString TimeText(float seconds) { return Format(seconds, kTimeFormat); }

void Centred(ReportDocument& doc, const QString& text) {
  doc.SetCurrentX(doc.PageWidth() / 2 - doc.TextWidth(text) / 2);
  doc.Print(text);
}

void CentredLine(ReportDocument& doc, const QString& text) {
  Centred(doc, text);
  doc.LineBreak();
}

void RightAlignedLine(ReportDocument& doc, const QString& text) {
  doc.SetCurrentX(doc.PageWidth() - doc.TextWidth(text) - 400);
  doc.Print(text);
  doc.LineBreak();
}

// Column 1 is centred on a quarter of the page width, column 2 on three
// quarters.
void AtColumn(ReportDocument& doc, int column, const QString& text) {
  const double centre = column == 1 ? doc.PageWidth() / 4 : doc.PageWidth() - doc.PageWidth() / 4;
  doc.SetCurrentX(centre - doc.TextWidth(text) / 2);
  doc.Print(text);
}

void Font(ReportDocument& doc, double size, bool bold) {
  doc.SetFontSize(size);
  doc.SetFontBold(bold);
}

void MoveY(ReportDocument& doc, double dy) { doc.SetCurrentY(doc.CurrentY() + dy); }

// "Total Cycle Time= 45.8sec " centred in bold at the given size, followed on
// its line by the formula in 10 point.
void CycleTotalLine(ReportDocument& doc, const ReportFigures& figures, double size) {
  Font(doc, size, true);
  Centred(doc, QStringLiteral("Total Cycle Time= ") + FormatFigure(figures.CycleTotal, QStringLiteral("###.##")) +
                   QStringLiteral("sec "));
  doc.SetFontSize(10);
  doc.Print(figures.CycleFormula);
  doc.LineBreak();
}

QImage LoadPicture(const QString& path) {
  if (path.isEmpty() || !QFileInfo(path).isFile()) return {};
  QImageReader reader(path);
  reader.setAutoTransform(true);
  return reader.read();
}

// A tooling image name: with a directory part it is used as it is, a bare
// name is looked up in the application folder. Either separator is accepted.
QString ImagePath(const Workspace& ws, const QString& name) {
  QString path = name.trimmed();
  path.replace(u'\\', u'/');
  if (path.isEmpty()) return {};
  if (QFileInfo(path).isRelative()) return ws.AppPath(path);
  return path;
}

// Step 13: the posts, the tools of each that some operation uses, their
// setting time.
QString SetupBlock(const Workspace& ws) {
  const MachineDefinition& m = ws.Machine;
  const TimeStudy& study = ws.Study;
  QString block = QStringLiteral("Collets and (Guide Bushing) =") + Str(m.MainSpindle.SetUpTime) +
                  QStringLiteral(" min.") + QStringLiteral("\r\n");
  struct Post {
    const QStringList& Tools;
    std::int16_t SetTime;
    int Spindle;
  };
  const Post posts[] = {{m.MainTools1List, m.MainSpindle.ToolSetTime1, kMainSpindle},
                        {m.MainTools2List, m.MainSpindle.ToolSetTime2, kMainSpindle},
                        {m.SubTools1List, m.SubSpindle.ToolSetTime1, kSubSpindle},
                        {m.SubTools2List, m.SubSpindle.ToolSetTime2, kSubSpindle}};
  for (const Post& post : posts) {
    if (post.SetTime <= 0) continue;
    QString line = post.Tools.value(1) + QStringLiteral(" used are ");
    QStringList listed;
    for (qsizetype t = 2; t < post.Tools.size(); ++t) {
      const QString& tool = post.Tools[t];
      if (listed.contains(tool)) continue;
      for (int i = 1; i <= study.Count(post.Spindle); ++i) {
        if (study.Op(post.Spindle, i).ToolNo == tool) {
          listed << tool;
          line += tool + QStringLiteral(", ");
          break;
        }
      }
    }
    if (listed.isEmpty()) continue;
    block += line + QStringLiteral("=") + Str(post.SetTime) + QStringLiteral(" min. each") + QStringLiteral("\r\n");
  }
  return block;
}

QStringList DetailRow(const Operation& op) {
  return {op.ToolNo,
          op.OpName,
          Str(op.RPM),
          Str(op.Diameter),
          Str(op.SFM),
          Format(op.IPR, QStringLiteral("#.####;;0")),
          Format(op.IPM, kTimeFormat),
          Str(op.CutLength),
          Format(op.CutTime, kTimeFormat),
          Str(op.ExtraRapids),
          Str(op.SpindleIndexes),
          Str(op.Dwells),
          Str(op.OtherSeconds)};
}

struct GroupDetail {
  QString Label;    // the operations' Group text: "A ", "B1", "C1", "D "
  QString Name;     // as the totals name it: "A", "B1", "C1", "D"
  QString Heading;
  int Spindle;
  float Cut, Idle, Total;
  const ItemLines* Lines;
};

std::vector<GroupDetail> GroupsInOrder(const CycleComparison& c) {
  std::vector<GroupDetail> groups;
  groups.push_back({QStringLiteral("A "), QStringLiteral("A"),
                    QStringLiteral("Cutting Conditions and non cutting time (A) Main SPL (before time comparison)."),
                    kMainSpindle, c.CutA, c.IdleA, c.TotalA, &c.LinesA});
  for (size_t i = 1; i < c.TotalB.size(); ++i) {
    const QString n = QString::number(i);
    groups.push_back({QStringLiteral("B") + n, QStringLiteral("B") + n,
                      QStringLiteral("Cutting Conditions and non cutting time (B") + n +
                          QStringLiteral(") Main SPL (while comparing to Sub)."),
                      kMainSpindle, c.CutB[i], c.IdleB[i], c.TotalB[i], &c.LinesB[i]});
    groups.push_back({QStringLiteral("C") + n, QStringLiteral("C") + n,
                      QStringLiteral("Cutting Conditions and non cutting time (C") + n +
                          QStringLiteral(") Sub SPL (while comparing to Main)."),
                      kSubSpindle, c.CutC[i], c.IdleC[i], c.TotalC[i], &c.LinesC[i]});
  }
  groups.push_back({QStringLiteral("D "), QStringLiteral("D"),
                    QStringLiteral("Cutting Conditions and non cutting time (D) Main SPL (after comparing)."),
                    kMainSpindle, c.CutD, c.IdleD, c.TotalD, &c.LinesD});
  return groups;
}

void SpindleSummary(ReportDocument& doc, const QString& caption, const QString& name, float cut, float idle,
                    float total) {
  doc.EnsureSpace(4 * doc.LineHeight());
  CentredLine(doc, caption);
  CentredLine(doc, QStringLiteral("Cutting Time (") + name + QStringLiteral("): ") + TimeText(cut));
  CentredLine(doc, QStringLiteral("Idle Time (") + name + QStringLiteral("): ") + TimeText(idle));
  CentredLine(doc, QStringLiteral("Total Time (") + name + QStringLiteral("): ") + TimeText(total));
}

// Starts on a new page, unless the page was begun by the spindle timeline,
// which then stands above the comparison it draws.
void CuttingDataSection(const Workspace& ws, const ReportFigures& figures, ReportDocument& doc, bool newPage) {
  const CycleComparison& c = ws.Comparison;
  if (newPage) doc.NewPage();
  else MoveY(doc, 400);
  // 15a
  Font(doc, 14, true);
  CentredLine(doc, QStringLiteral("Comparing Times by Groups"));
  MoveY(doc, 100);
  Font(doc, 12, false);
  // 15b
  if (c.TotalA > 0)
    SpindleSummary(doc, QStringLiteral("Main Spindle (A) (before comparing)"), QStringLiteral("A"), c.CutA, c.IdleA,
                   c.TotalA);
  // 15c
  for (size_t i = 1; i < c.TotalB.size(); ++i) {
    if (c.TotalB[i] == 0 && c.TotalC[i] == 0) continue;
    const QString n = QString::number(i);
    MoveY(doc, 100);
    doc.EnsureSpace(4 * doc.LineHeight());
    AtColumn(doc, 1, QStringLiteral("Main Spindle (B") + n + QStringLiteral(") (while comparing to Sub)."));
    AtColumn(doc, 2, QStringLiteral("Sub Spindle (C") + n + QStringLiteral(") (while comparing to Main)."));
    doc.LineBreak();
    AtColumn(doc, 1, QStringLiteral("Cutting Time (B") + n + QStringLiteral("): ") + TimeText(c.CutB[i]));
    AtColumn(doc, 2, QStringLiteral("Cutting Time (C") + n + QStringLiteral("): ") + TimeText(c.CutC[i]));
    doc.LineBreak();
    AtColumn(doc, 1, QStringLiteral("Idle Time (B") + n + QStringLiteral("): ") + TimeText(c.IdleB[i]));
    AtColumn(doc, 2, QStringLiteral("Idle Time (C") + n + QStringLiteral("): ") + TimeText(c.IdleC[i]));
    doc.LineBreak();
    doc.SetFontBold(c.TotalB[i] >= c.TotalC[i]);
    AtColumn(doc, 1, QStringLiteral("Total Time (B") + n + QStringLiteral("): ") + TimeText(c.TotalB[i]));
    doc.SetFontBold(c.TotalC[i] > c.TotalB[i]);
    AtColumn(doc, 2, QStringLiteral("Total Time (C") + n + QStringLiteral("): ") + TimeText(c.TotalC[i]));
    doc.SetFontBold(false);
    doc.LineBreak();
    MoveY(doc, 100);
  }
  // 15d
  if (c.TotalD > 0)
    SpindleSummary(doc, QStringLiteral("Main Spindle (D) (after comparing)"), QStringLiteral("D"), c.CutD, c.IdleD,
                   c.TotalD);
  // 15e
  MoveY(doc, 100);
  CycleTotalLine(doc, figures, 12);
  MoveY(doc, 400);
  Font(doc, 14, true);
  doc.EnsureSpace(4 * doc.LineHeight());
  CentredLine(doc, QStringLiteral("Details of Each Operation"));
  MoveY(doc, 200);
  // 15f
  const TableLayout layout = ParseTableLayout(kDetailLayout);
  const QStringList header = SplitTableRow(kDetailHeader);
  bool first = true;
  for (const GroupDetail& g : GroupsInOrder(c)) {
    if (!(g.Total > 0)) continue;
    if (!first) MoveY(doc, 300);
    first = false;
    Font(doc, 12, true);
    // The heading stays with the table's header and first row.
    doc.EnsureSpace(doc.LineHeight() + 1000);
    doc.SetCurrentX(400);
    doc.Print(g.Heading);
    doc.LineBreak();
    MoveY(doc, 60);
    Font(doc, 10, false);
    QList<QStringList> rows;
    for (int i = 1; i <= ws.Study.Count(g.Spindle); ++i) {
      const Operation& op = ws.Study.Op(g.Spindle, i);
      if (op.Group == g.Label) rows << DetailRow(op);
    }
    doc.AddTable(layout, header, rows);
    PrintItemLines(doc, *g.Lines);
    doc.SetFontBold(true);
    doc.EnsureSpace(3 * doc.LineHeight());
    RightAlignedLine(doc, QStringLiteral("Idle Time (") + g.Name + QStringLiteral("): ") + TimeText(g.Idle));
    RightAlignedLine(doc, QStringLiteral("Cutting Time (") + g.Name + QStringLiteral("): ") + TimeText(g.Cut));
    RightAlignedLine(doc, QStringLiteral("Total Time (") + g.Name + QStringLiteral("): ") + TimeText(g.Total));
    doc.SetFontBold(false);
  }
}

void ToolHoldersSection(const Workspace& ws, ReportDocument& doc) {
  QStringList entries;
  for (int spindle : {kMainSpindle, kSubSpindle}) {
    for (int i = 1; i <= ws.Study.Count(spindle) && entries.size() < 100; ++i) {
      const Operation& op = ws.Study.Op(spindle, i);
      const QString entry = op.ToolNo + QStringLiteral(" ") + op.ToolHolder;
      if (entry.trimmed().isEmpty() || entries.contains(entry)) continue;
      entries << entry;
    }
  }
  MoveY(doc, 600);
  Font(doc, 10, true);
  doc.EnsureSpace(3 * doc.LineHeight());
  // In line with the entries below it.
  doc.SetCurrentX(500);
  doc.Print(QStringLiteral("Tool Holders needed:"));
  doc.LineBreak();
  doc.LineBreak();
  doc.SetFontBold(false);
  for (const QString& entry : entries) {
    doc.SetCurrentX(500);
    doc.Paragraph(entry);
  }
}

void ToolImagesSection(const Workspace& ws, ReportDocument& doc) {
  QStringList names{ws.Machine.MainToolImage};
  if (ws.Machine.SubToolImage != ws.Machine.MainToolImage) names << ws.Machine.SubToolImage;
  for (const QString& name : names) {
    const QImage picture = LoadPicture(ImagePath(ws, name));
    if (picture.isNull()) continue;
    // Fitted to the width between the margins, and never taller than a
    // page's body.
    const double width = doc.PageWidth() - doc.MarginLeft() - doc.MarginRight();
    const double height = doc.BodyBottom() - doc.BodyTop();
    const double scale = std::min(width / picture.width(), height / picture.height());
    const QSizeF size(picture.width() * scale, picture.height() * scale);
    if (doc.BodyBottom() - doc.CurrentY() < size.height()) doc.NewPage();
    doc.DrawPicture(picture, QRectF(QPointF(doc.PageWidth() / 2 - size.width() / 2, doc.CurrentY()), size));
    MoveY(doc, size.height());
  }
}

// The spindle timeline, across the body, with its heading; on a new page
// when it does not fit on this one. True when it began a page.
bool TimelineSection(const Workspace& ws, ReportDocument& doc) {
  constexpr double kChartHeight = 1800;
  MoveY(doc, 300);
  Font(doc, 12, true);
  const bool newPage = doc.EnsureSpace(doc.LineHeight() + 100 + kChartHeight);
  CentredLine(doc, QStringLiteral("Spindle Timeline"));
  doc.SetFontBold(false);
  MoveY(doc, 100);
  const QRectF box(doc.MarginLeft(), doc.CurrentY(), doc.PageWidth() - doc.MarginLeft() - doc.MarginRight(),
                   kChartHeight);
  doc.DrawDrawing(box, [timeline = ComputeTimeline(ws.Study, ws.Comparison)](QPainter& painter, const QRectF& r) {
    TimelineStyle style;
    style.Font = QFontOf(ReportFont{QStringLiteral("Arial"), 8, false});
    style.Line = 10;
    PaintTimeline(painter, timeline, r, style);
  });
  MoveY(doc, kChartHeight);
  return newPage;
}

// The cost of a part at each efficiency, the setup cost and the batch quote.
void CostSection(const Workspace& ws, const ReportFigures& figures, const CostFigures& costs, ReportDocument& doc) {
  const CostSettings& c = ws.Report.Costs;
  MoveY(doc, 300);
  Font(doc, 12, true);
  doc.EnsureSpace(doc.LineHeight() * 2 + 1200);
  CentredLine(doc, QStringLiteral("Cost"));
  MoveY(doc, 60);
  Font(doc, 10, false);
  QString layout = QStringLiteral("<+1700");
  QString header = QStringLiteral("Efficiency");
  QStringList row{QStringLiteral("Cost per part")};
  for (size_t i = 0; i < kEfficiencies.size(); ++i) {
    layout += QStringLiteral("|^+1100");
    header += u'|' + Str(kEfficiencies[i]) + u'%';
    row << MoneyText(costs.PerPart[i]);
  }
  doc.AddTable(ParseTableLayout(layout + u';'), SplitTableRow(header + u';'), {row});
  MoveY(doc, 50);
  doc.SetFontSize(8);
  QString basis = QStringLiteral("Machine rate") + Str(c.MachineRate) +
                  QStringLiteral(" per hour x (cycle time / efficiency +") + Str(figures.BarLoadPerPart) +
                  QStringLiteral(" sec bar load per part)");
  if (c.BarPrice > 0)
    basis += QStringLiteral(", plus bar price") + Str(c.BarPrice) + QStringLiteral(" /") + Str(figures.PartsPerBar) +
             QStringLiteral(" parts per bar");
  CentredLine(doc, basis + u'.');
  MoveY(doc, 100);
  doc.SetFontSize(10);
  doc.SetCurrentX(0);
  doc.Paragraph(QStringLiteral("Setup cost:") + Str(ws.Comparison.SetupMinutes) + QStringLiteral(" min. x") +
                Str(c.SetupRate) + QStringLiteral(" per hour = ") + MoneyText(costs.SetupCost));
  doc.SetFontBold(true);
  doc.SetCurrentX(0);
  const QString quantity = c.Quantity == 0 ? QStringLiteral("0") : Format(c.Quantity, u"#,###");
  QString quote = QStringLiteral("Batch quote for ") + quantity + QStringLiteral(" parts at") + Str(c.Efficiency) +
                  QStringLiteral("% efficiency: ") + MoneyText(costs.Quote);
  doc.Print(quote);
  doc.SetFontBold(false);
  if (costs.Quote)
    doc.Print(QStringLiteral("  (setup ") + MoneyText(costs.SetupCost) + QStringLiteral(" + ") + quantity +
              QStringLiteral(" x ") + Format(*costs.QuotedPerPart, u"#,##0.0000") + u')');
  doc.LineBreak();
}

void Logo(const Workspace& ws, ReportDocument& doc) {
  const QString& path = ws.Report.LogoPic;
  if (path.isEmpty() || !QFileInfo::exists(path)) return;
  const QImage picture = LoadPicture(path);
  if (picture.isNull()) return;
  double scale = ws.Report.LogoSize / 100.0;
  if (!(scale > 0)) return;
  const double naturalW = picture.width() * kTwipsPerDot;
  const double naturalH = picture.height() * kTwipsPerDot;
  const double top = doc.CurrentY() + 200;
  // Never wider than the body nor lower than the bottom margin.
  const double bodyWidth = doc.PageWidth() - doc.MarginLeft() - doc.MarginRight();
  scale = std::min({scale, bodyWidth / naturalW, std::max(0.0, doc.BodyBottom() - top) / naturalH});
  if (!(scale > 0)) return;
  const QSizeF size(naturalW * scale, naturalH * scale);
  doc.DrawPicture(picture, QRectF(QPointF(doc.PageWidth() / 2 - size.width() / 2, top), size));
  MoveY(doc, size.height() + 500);
}

}  // namespace

ReportFigures ComputeReportFigures(const Workspace& ws) {
  const MachineDefinition& m = ws.Machine;
  const ReportSettings& rs = ws.Report;
  ReportFigures f;
  const float partLength = static_cast<float>(Val(ws.Study.Header.PartLength));
  const float perPart = partLength + m.CutOffWidth;
  const float usable = m.BarLengthInch - static_cast<float>(m.MainSpindle.RemnantLength);
  const float parts = usable / perPart;
  // No part fits (or the part has no length): 0 parts per bar.
  if (std::isfinite(parts) && parts >= 1 && parts < 32768) f.PartsPerBar = static_cast<std::int16_t>(std::floor(parts));
  f.Remnant = m.BarLengthInch - perPart * f.PartsPerBar;
  if (!std::isfinite(f.Remnant)) f.Remnant = 0;
  f.UnitText = ws.Study.Header.IsMetric() ? QStringLiteral(" MM") : QStringLiteral(" inch");

  // The same total and formula as the main window's total label.
  CycleTotalResult cycle = CycleTotal(ws.Comparison);
  f.CycleTotal = cycle.Total;
  f.CycleFormula = std::move(cycle.Formula);

  // Bar load time spread over the parts of a bar; undefined when no part
  // fits on a bar, and then so is the production rate.
  bool defined = true;
  if (m.BarLoadTimeSec != 0) {
    if (f.PartsPerBar > 0) f.BarLoadPerPart = static_cast<float>(m.BarLoadTimeSec) / f.PartsPerBar;
    else defined = false;
  }
  for (size_t r = 0; r < kEfficiencies.size(); ++r) {
    ProductionRow& row = f.Production[r];
    row.Efficiency = kEfficiencies[r];
    const double perCycle = f.CycleTotal / (row.Efficiency * 0.01) + f.BarLoadPerPart;
    if (defined && perCycle > 0 && std::isfinite(perCycle)) {
      row.PerHour = static_cast<float>(3600 / perCycle);
      row.PerShift = rs.HoursShift * row.PerHour;
      row.PerDay = static_cast<float>(rs.HoursDay) * row.PerHour;
      row.PerWeek = static_cast<float>(rs.DaysWeek) * row.PerDay;
      row.PerMonth = row.PerWeek * 4;
      row.PerYear = row.PerWeek * 52;
      for (float* v : {&row.PerHour, &row.PerShift, &row.PerDay, &row.PerWeek, &row.PerMonth, &row.PerYear})
        if (!std::isfinite(*v)) *v = 0;
    }
    row.Cells = QStringList{Str(row.Efficiency),
                            FormatFigure(row.PerHour, QStringLiteral("####.0")),
                            FormatFigure(row.PerShift, QStringLiteral("####.0")),
                            FormatFigure(row.PerDay, QStringLiteral("##,###.0")),
                            FormatFigure(row.PerWeek, QStringLiteral("###,###.0")),
                            FormatFigure(row.PerMonth, QStringLiteral("###,###.0")),
                            FormatFigure(row.PerYear, QStringLiteral("###,###,###.0"))};
  }
  return f;
}

QString TableBasedOnText(const Workspace& ws) {
  const QString unit = ws.Study.Header.IsMetric() ? QStringLiteral(" MM") : QStringLiteral(" inch");
  return QStringLiteral("Table based on") + Str(ws.Report.HoursShift) + QStringLiteral("hours/shift, ") +
         Str(ws.Report.HoursDay) + QStringLiteral("hours/day, ") + Str(ws.Report.DaysWeek) +
         QStringLiteral(" days/week, 52 weeks/year, ") + Str(ws.Machine.BarLengthInch) + unit +
         QStringLiteral(" bar, ") + Str(ws.Machine.BarLoadTimeSec) + QStringLiteral(" sec barload time, with ") +
         Str(ws.Machine.CutOffWidth) + unit + QStringLiteral(" cutoff/face amount.");
}

void PrintItemLines(ReportDocument& doc, const ItemLines& lines) {
  MoveY(doc, 50);
  // Every line of the group: an item without a description (an operation's
  // extra time with no text) still shows its value, and the lines after it
  // are not lost.
  for (size_t n = 0; n < lines.size() && n < static_cast<size_t>(kMaxItemLines); ++n) {
    const ItemLine& line = lines[n];
    if (line.Description.isEmpty() && line.Value.isEmpty()) continue;
    doc.SetCurrentX(500);
    doc.Print(line.Description);
    doc.SetCurrentX(doc.PageWidth() - doc.TextWidth(line.Value) - 400);
    doc.Print(line.Value);
    doc.LineBreak();
  }
}

void ComposeReport(const Workspace& ws, ReportDocument& doc, const ComposeOptions& options) {
  const TimeStudyHeader& h = ws.Study.Header;
  const ReportSwitches& sw = options.Switches;
  // 1
  const ReportFigures figures = ComputeReportFigures(ws);
  doc.StartDoc();
  // 2: the running block, at the top of every page.
  ReportFont blockFont;
  blockFont.Size = 8;
  doc.SetHeader(QStringLiteral("Cust: ") + h.Customer + QStringLiteral("\r\n") + QStringLiteral("Part No: ") +
                    h.PartNo + QStringLiteral("  ") + h.PartName + QStringLiteral("\r\n") +
                    QStringLiteral("Document: ") + QDir::toNativeSeparators(ws.Study.FilePath),
                QStringLiteral("Mach: ") + h.MachineName,
                QStringLiteral("Printed on: ") + QLocale::system().toString(options.Today, QLocale::ShortFormat),
                blockFont);
  // 3
  doc.SetFont(ReportFont{QStringLiteral("Arial"), 18, true});
  CentredLine(doc, QStringLiteral("Cycle Time Estimate for ") + h.MachineName);
  // 4
  doc.SetFontSize(12);
  CentredLine(doc, QStringLiteral("Prepared for: ") + h.Customer);
  Font(doc, 8, false);
  CentredLine(doc, QStringLiteral("Prepared by: ") + h.Engineer);
  // 5
  Logo(ws, doc);
  // 6
  doc.SetFontSize(12);
  doc.SetCurrentX(0);
  doc.Paragraph(QStringLiteral("Part Number: ") + h.PartNo);
  doc.Paragraph(QStringLiteral("Part Name: ") + h.PartName);
  doc.Paragraph(QStringLiteral("Material: ") + h.Material);
  doc.Paragraph(QStringLiteral("Material Size/Shape: ") + h.MaterialSize + QStringLiteral(" ") + h.MaterialShape);
  doc.Paragraph(QStringLiteral("Part Length: ") + h.PartLength);
  // 7
  MoveY(doc, 1000);
  CycleTotalLine(doc, figures, 18);
  // 8
  Font(doc, 8, false);
  Centred(doc, QStringLiteral("(The above time is at 100% efficiency with no bar load time. See table below.)"));
  doc.LineBreak();
  doc.LineBreak();
  // 9
  doc.SetFontSize(12);
  CentredLine(doc, ws.Report.Disclaimer);
  // 10
  MoveY(doc, 500);
  doc.SetFontSize(10);
  QList<QStringList> rows;
  for (const ProductionRow& row : figures.Production) rows << row.Cells;
  doc.AddTable(ParseTableLayout(kProductionLayout), SplitTableRow(kProductionHeader), rows);
  // 11
  MoveY(doc, 50);
  doc.SetFontSize(8);
  CentredLine(doc, TableBasedOnText(ws));
  // 12
  MoveY(doc, 200);
  doc.SetFontSize(12);
  doc.Paragraph(QStringLiteral("Parts per") + Str(ws.Machine.BarLengthInch) + figures.UnitText +
                QStringLiteral(" bar: ") +
                (figures.PartsPerBar == 0 ? QStringLiteral("0") : Format(figures.PartsPerBar, QStringLiteral("####"))));
  doc.Paragraph(QStringLiteral("Approximate remnant: ") + FormatFigure(figures.Remnant, QStringLiteral("##.##")) +
                figures.UnitText);
  doc.Paragraph(QStringLiteral("Approximate Setup Time: ") + Str(ws.Comparison.SetupMinutes) +
                QStringLiteral(" min."));
  // 13
  if (sw.PrintSetupData) {
    doc.SetFontSize(8);
    doc.Paragraph(QStringLiteral("Setup time does not include bar loader setup and is calculated from..."));
    doc.SetIndentLeft(500);
    doc.Print(SetupBlock(ws));
    doc.SetIndentLeft(350);
    doc.SetFontSize(10);
  }
  // The cost of a part and the batch quote, when the shop has set a rate.
  const CostFigures costs = ComputeCostFigures(figures, ws.Comparison.SetupMinutes, ws.Report.Costs);
  if (costs.Shown) CostSection(ws, figures, costs, doc);
  // 14: the notes at Y = 12700, or below the body when it already reaches
  // further down.
  {
    const double bottom = std::max(doc.CurrentY(), doc.ContentBottom());
    doc.SetCurrentY(bottom <= 12700 ? 12700 : bottom + 200);
    Font(doc, 10, true);
    doc.EnsureSpace(2 * doc.LineHeight());
    doc.Paragraph(QStringLiteral("*Notes*"));
    doc.SetFontBold(false);
    doc.Paragraph(h.Notes);
  }
  // The spindle timeline.
  const bool timelinePage = sw.PrintTimeline && TimelineSection(ws, doc);
  // 15
  if (sw.PrintCutData) CuttingDataSection(ws, figures, doc, !timelinePage);
  // 16
  if (sw.PrintToolHolders) ToolHoldersSection(ws, doc);
  // 17
  if (sw.PrintToolImage) ToolImagesSection(ws, doc);
  // 18
  doc.EndDoc();
  const ReportFont numberFont{QStringLiteral("Arial"), 8, true};
  doc.SetFont(numberFont);
  const int count = doc.PageCount();
  for (int p = 1; p <= count; ++p) {
    const QString text = QStringLiteral("Page ") + Str(p) + QStringLiteral(" of ") + QString::number(count);
    doc.OverlayText(p, doc.PageWidth() - doc.TextWidth(text) - doc.MarginRight(),
                    doc.PageHeight() - doc.TextHeight(text) - 50, text, numberFont);
  }
}

}  // namespace arvex
