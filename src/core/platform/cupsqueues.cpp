#include "platform/cupsqueues.h"

#include "report/reportdocument.h"

#include <QFile>

#include <cups/cups.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace arvex {

namespace {

// Hundredths of a millimetre as twips.
double Twips(int hundredthsOfMm) { return hundredthsOfMm * kTwipsPerInch / 2540.0; }
int HundredthsOfMm(double twips) { return static_cast<int>(std::lround(twips * 2540.0 / kTwipsPerInch)); }

struct DestDeleter {
  void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestDeleter>;
struct InfoDeleter {
  void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using InfoPtr = std::unique_ptr<cups_dinfo_t, InfoDeleter>;

// The named printer; the default one for "".
DestPtr NamedDest(const QString& printer) {
  const QByteArray name = printer.toUtf8();
  return DestPtr(cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.isEmpty() ? nullptr : name.constData(), nullptr));
}

QString Option(const cups_dest_t* dest, const char* name) {
  return QString::fromUtf8(cupsGetOption(name, dest->num_options, dest->options));
}

PrinterPaper PaperOf(const cups_size_t& size) {
  PrinterPaper paper;
  paper.Size = QSizeF(Twips(size.width), Twips(size.length));
  paper.Unprintable = QMarginsF(Twips(size.left), Twips(size.top), Twips(size.right), Twips(size.bottom));
  paper.Media = QString::fromUtf8(size.media);
  return paper;
}

// The printer's own word on why it refuses jobs ("printer-state-message",
// set by cupsreject -r), asked of the server; "" when it gave none.
QString StateMessage(const cups_dest_t* dest) {
  const char* uri = cupsGetOption("printer-uri-supported", dest->num_options, dest->options);
  if (!uri) return {};
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-state-message");
  ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
  QString message;
  if (ipp_attribute_t* attr = ippFindAttribute(response, "printer-state-message", IPP_TAG_ZERO))
    message = QString::fromUtf8(ippGetString(attr, 0, nullptr)).trimmed();
  ippDelete(response);
  return message;
}

// The paper the printer uses when a job names none: the user's own default
// ("media" in lpoptions), else the printer's "media-default".
bool DefaultMedia(const cups_dest_t* dest, cups_dinfo_t* info, cups_size_t* size) {
  QByteArray name = cupsGetOption("media", dest->num_options, dest->options);
  if (name.isEmpty()) {
    if (ipp_attribute_t* attr = cupsFindDestDefault(CUPS_HTTP_DEFAULT, const_cast<cups_dest_t*>(dest), info, "media"))
      name = ippGetString(attr, 0, nullptr);
  }
  if (!name.isEmpty() &&
      cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, const_cast<cups_dest_t*>(dest), info, name.constData(),
                             CUPS_MEDIA_FLAGS_DEFAULT, size))
    return true;
  return cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, const_cast<cups_dest_t*>(dest), info, CUPS_MEDIA_FLAGS_DEFAULT,
                                 size) != 0;
}

QString LastError() {
  const char* text = cupsLastErrorString();
  return text && *text ? QString::fromUtf8(text) : QStringLiteral("the print system gave no reason");
}

}  // namespace

QString CupsPrintQueues::DefaultPrinter() {
  const DestPtr dest = NamedDest(QString());
  return dest ? QString::fromUtf8(dest->name) : QString();
}

std::optional<PrinterPaper> CupsPrintQueues::DefaultPaper(const QString& printer) {
  const DestPtr dest = NamedDest(printer);
  if (!dest) return std::nullopt;
  const InfoPtr info(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
  if (!info) return std::nullopt;
  cups_size_t size{};
  if (!DefaultMedia(dest.get(), info.get(), &size)) return std::nullopt;
  return PaperOf(size);
}

std::optional<PrinterPaper> CupsPrintQueues::PaperOfSize(const QString& printer, QSizeF paper) {
  const DestPtr dest = NamedDest(printer);
  if (!dest) return std::nullopt;
  const InfoPtr info(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
  if (!info) return std::nullopt;
  cups_size_t size{};
  if (!cupsGetDestMediaBySize(CUPS_HTTP_DEFAULT, dest.get(), info.get(), HundredthsOfMm(paper.width()),
                              HundredthsOfMm(paper.height()), CUPS_MEDIA_FLAGS_DEFAULT, &size))
    return std::nullopt;
  return PaperOf(size);
}

bool CupsPrintQueues::AcceptsJobs(const QString& printer, QString* why) {
  const DestPtr dest = NamedDest(printer);
  if (!dest) {
    if (why) *why = QStringLiteral("there is no printer named ") + printer;
    return false;
  }
  if (Option(dest.get(), "printer-is-accepting-jobs") != QStringLiteral("false")) return true;
  if (why) {
    QString reason = StateMessage(dest.get());
    if (reason.isEmpty()) reason = Option(dest.get(), "printer-state-reasons");
    *why = QStringLiteral("the printer ") + printer + QStringLiteral(" is not accepting jobs") +
           (reason.isEmpty() || reason == QStringLiteral("none") ? QString() : QStringLiteral(" (") + reason + u')');
  }
  return false;
}

int CupsPrintQueues::SubmitPdf(const QString& printer, const QString& pdfPath, const QString& title,
                               const QString& media, int copies, QString* error) {
  int count = 0;
  cups_option_t* options = nullptr;
  if (!media.isEmpty()) count = cupsAddOption("media", media.toUtf8().constData(), count, &options);
  if (copies > 1) count = cupsAddOption("copies", QByteArray::number(copies).constData(), count, &options);
  // The PDF is already laid out on its paper: no scaling.
  count = cupsAddOption("print-scaling", "none", count, &options);
  const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(),
                                 QFile::encodeName(pdfPath).constData(), title.toUtf8().constData(), count, options);
  cupsFreeOptions(count, options);
  if (job <= 0 && error) *error = LastError();
  return job > 0 ? job : 0;
}

}  // namespace arvex
