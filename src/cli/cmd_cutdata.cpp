// arvex cutdata export FILE.csv | arvex cutdata import FILE.csv
//
// The cutting-data table of the application folder's database as a CSV
// file for spreadsheets. Import adds rows only when every line of the file
// is good; each rejected line is named with its number on standard error.
#include "commands.h"

#include "cutting/cutdatacsv.h"
#include "cutting/cuttingdatabase.h"
#include "platform/numtext.h"

namespace arvex {

namespace {

const QString kUsage = QStringLiteral("usage: arvex cutdata export FILE.csv | arvex cutdata import FILE.csv");

QString Count(int n) { return NumberText(static_cast<double>(n)); }

}  // namespace

int RunCutDataCommand(CliContext& ctx) {
  if (ctx.Args.size() != 2 ||
      (ctx.Args[0] != QStringLiteral("export") && ctx.Args[0] != QStringLiteral("import"))) {
    ctx.Fail(kUsage);
    return 2;
  }
  const bool exporting = ctx.Args[0] == QStringLiteral("export");
  const QString file = ctx.Args[1];

  Workspace ws;
  if (!ctx.PrepareWorkspace(ws)) return 1;
  CuttingDatabase db;
  QString error;
  if (!db.Open(ws.AppFolder, &error)) {
    ctx.Fail(error);
    return 1;
  }

  if (exporting) {
    int rows = 0;
    QStringList warnings;
    if (!ExportCutDataCsv(db, file, &rows, &warnings, &error)) {
      ctx.Fail(error);
      return 1;
    }
    for (const QString& w : warnings) ctx.Fail(w);
    ctx.Out << "Exported " << Count(rows) << " cutting data rows to " << file << "\n";
    ctx.Out.flush();
    return 0;
  }

  int added = 0;
  std::vector<CsvRejection> rejected;
  if (!ImportCutDataCsv(db, file, &added, &rejected, &error)) {
    for (const CsvRejection& r : rejected) ctx.Fail(QStringLiteral("line ") + Count(r.Line) + QStringLiteral(": ") + r.Reason);
    ctx.Fail(error);
    return 1;
  }
  ctx.Out << "Imported " << Count(added) << " cutting data rows into " << db.FilePath() << "\n";
  ctx.Out.flush();
  return 0;
}

}  // namespace arvex
