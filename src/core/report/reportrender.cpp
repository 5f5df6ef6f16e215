#include "report/reportrender.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace arvex {

void PaintReportPage(QPainter& painter, const ReportDocument& doc, int page) {
  if (page < 1 || page > doc.PageCount()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  for (const ReportItem& item : doc.Page(page).Items) {
    if (const auto* t = std::get_if<ReportTextItem>(&item)) {
      painter.setFont(QFontOf(t->Font));
      painter.setPen(Qt::black);
      painter.drawText(QPointF(t->Box.left(), t->Baseline), t->Text);
    } else if (const auto* l = std::get_if<ReportLineItem>(&item)) {
      painter.setPen(QPen(Qt::black, l->Width, Qt::SolidLine, Qt::SquareCap));
      painter.drawLine(l->Line);
    } else if (const auto* f = std::get_if<ReportFillItem>(&item)) {
      painter.fillRect(f->Box, f->Color);
    } else if (const auto* p = std::get_if<ReportPictureItem>(&item)) {
      painter.drawImage(p->Box, p->Picture);
    } else if (const auto* d = std::get_if<ReportDrawingItem>(&item)) {
      painter.save();
      d->Paint(painter, d->Box);
      painter.restore();
    }
  }
  painter.restore();
}

bool RenderReport(const ReportDocument& doc, QPagedPaintDevice& device, QString* error) {
  if (doc.PageCount() == 0) {
    if (error) *error = QStringLiteral("the report has no pages");
    return false;
  }
  QPainter painter;
  if (!painter.begin(&device)) {
    if (error) *error = QStringLiteral("cannot start painting on the output device");
    return false;
  }
  const PageSetup& setup = doc.Setup();
  // Where the device's origin lies on the paper, in twips.
  const QPointF origin = device.pageLayout().paintRect(QPageLayout::Point).topLeft() * kTwipsPerPoint;
  const double sx = device.logicalDpiX() / kTwipsPerInch;
  const double sy = device.logicalDpiY() / kTwipsPerInch;
  for (int p = 1; p <= doc.PageCount(); ++p) {
    if (p > 1 && !device.newPage()) {
      painter.end();
      if (error) *error = QStringLiteral("cannot start page %1 on the output device").arg(p);
      return false;
    }
    painter.resetTransform();
    painter.scale(sx, sy);
    painter.translate(setup.Inset.left() - origin.x(), setup.Inset.top() - origin.y());
    PaintReportPage(painter, doc, p);
  }
  if (!painter.end()) {
    if (error) *error = QStringLiteral("the output device failed to finish the report");
    return false;
  }
  return true;
}

QPageLayout PageLayoutOf(const PageSetup& setup) {
  const QPageSize size(QSizeF(setup.PaperWidth / kTwipsPerPoint, setup.PaperHeight / kTwipsPerPoint),
                       QPageSize::Point, QString(), QPageSize::ExactMatch);
  QPageLayout layout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
  layout.setMode(QPageLayout::FullPageMode);
  return layout;
}

bool WriteReportPdf(const ReportDocument& doc, const QString& path, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = QStringLiteral("cannot write %1: %2").arg(QFileInfo(path).absoluteFilePath(), file.errorString());
    return false;
  }
  bool painted = false;
  {
    QPdfWriter writer(&file);
    writer.setResolution(static_cast<int>(kTwipsPerInch));
    writer.setCreator(QStringLiteral("Arvex"));
    writer.setTitle(QStringLiteral("Cycle Time Estimate"));
    writer.setPageLayout(PageLayoutOf(doc.Setup()));
    painted = RenderReport(doc, writer, error);
  }
  if (!painted) {
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    if (error) *error = QStringLiteral("cannot write %1: %2").arg(QFileInfo(path).absoluteFilePath(), file.errorString());
    return false;
  }
  return true;
}

}  // namespace arvex
