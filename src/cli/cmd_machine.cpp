// arvex machine show [--metric] --json NAME: the machine definition as the
// program loads it, as one JSON object. --metric loads it as a metric study
// does (the five lengths in millimetres).
#include "commands.h"
#include "jsontext.h"

#include "machine/machinefile.h"
#include "platform/numtext.h"
#include "terminalprompter.h"

namespace arvex {

namespace {

// A small writer that keeps the keys in the order of the file.
class JsonWriter {
 public:
  QString Text() const { return text_ + u'\n'; }

  void BeginObject(const QString& key = {}) { Open(key, u'{'); }
  void EndObject() { Close(u'}'); }
  void BeginArray(const QString& key) { Open(key, u'['); }
  void EndArray() { Close(u']'); }
  void String(const QString& key, const QString& value) { Item(key, JsonString(value)); }
  void StringElement(const QString& value) { Item({}, JsonString(value)); }
  void Number(const QString& key, double value) { Item(key, JsonNumber(ExactNumberText(value))); }
  void Number(const QString& key, float value) { Item(key, JsonNumber(ExactNumberText(value))); }
  void Integer(const QString& key, std::int16_t value) { Item(key, NumberText(static_cast<double>(value))); }

 private:
  void Prefix(const QString& key) {
    if (!first_.empty()) {
      if (!first_.back()) text_ += u',';
      first_.back() = false;
      text_ += u'\n' + QString(static_cast<qsizetype>(first_.size()) * 2, u' ');
    }
    if (!key.isEmpty()) text_ += JsonString(key) + QStringLiteral(": ");
  }
  void Item(const QString& key, const QString& value) {
    Prefix(key);
    text_ += value;
  }
  void Open(const QString& key, QChar bracket) {
    Prefix(key);
    text_ += bracket;
    first_.push_back(true);
  }
  void Close(QChar bracket) {
    const bool empty = first_.back();
    first_.pop_back();
    if (!empty) text_ += u'\n' + QString(static_cast<qsizetype>(first_.size()) * 2, u' ');
    text_ += bracket;
  }

  QString text_;
  std::vector<bool> first_;
};

// A spindle or live spindle section, its keys in the order of the file.
template <typename Record>
void WriteSpindle(JsonWriter& json, const QString& name, const Record& r, const std::vector<RecordKey<Record>>& keys) {
  json.BeginObject(name);
  for (const RecordKey<Record>& k : keys) {
    const QString key = QLatin1String(k.Key);
    if (k.Text) json.String(key, r.*k.Text);
    else if (k.Integer) json.Integer(key, r.*k.Integer);
    else json.Number(key, r.*k.Number);
  }
  json.EndObject();
}

void WriteHolders(JsonWriter& json, const QString& name, const std::array<QString, 31>& holders) {
  json.BeginArray(name);
  for (size_t i = 1; i <= 30; ++i) json.StringElement(holders[i]);
  json.EndArray();
}

void WriteToolList(JsonWriter& json, const QString& name, const QStringList& list) {
  json.BeginArray(name);
  for (qsizetype i = 1; i < list.size(); ++i) json.StringElement(list[i]);
  json.EndArray();
}

QString MachineJson(const MachineDefinition& m) {
  JsonWriter json;
  json.BeginObject();
  json.Integer(QStringLiteral("HasSubSpindle"), m.HasSubSpindle);
  json.Integer(QStringLiteral("HasLiveTools"), m.HasLiveTools);
  WriteSpindle(json, QStringLiteral("MainSpindle"), m.MainSpindle, MainSpindleKeys());
  WriteSpindle(json, QStringLiteral("SubSpindle"), m.SubSpindle, SubSpindleKeys());
  for (int n = 1; n <= 4; ++n)
    WriteSpindle(json, QStringLiteral("LiveSpindle") + NumberText(static_cast<double>(n)), m.LiveSpindle(n),
                 LiveSpindleKeys());
  json.Number(QStringLiteral("CutOffWidth"), m.CutOffWidth);
  json.Number(QStringLiteral("BarLengthInch"), m.BarLengthInch);
  json.Integer(QStringLiteral("BarLoadTimeSec"), m.BarLoadTimeSec);
  json.String(QStringLiteral("MainToolImage"), m.MainToolImage);
  json.String(QStringLiteral("SubToolImage"), m.SubToolImage);
  WriteHolders(json, QStringLiteral("ODHolders"), m.ODHolders);
  WriteHolders(json, QStringLiteral("IDHolders"), m.IDHolders);
  WriteHolders(json, QStringLiteral("LiveHolders"), m.LiveHolders);
  WriteToolList(json, QStringLiteral("MainTools1List"), m.MainTools1List);
  WriteToolList(json, QStringLiteral("MainTools2List"), m.MainTools2List);
  WriteToolList(json, QStringLiteral("SubTools1List"), m.SubTools1List);
  WriteToolList(json, QStringLiteral("SubTools2List"), m.SubTools2List);
  json.EndObject();
  return json.Text();
}

}  // namespace

int RunMachineCommand(CliContext& ctx) {
  QStringList args = ctx.Args;
  const bool metric = TakeFlag(args, QStringLiteral("--metric"));
  const bool asJson = TakeFlag(args, QStringLiteral("--json"));
  args.removeAll(QStringLiteral("--"));
  if (args.isEmpty() || args.front() != QStringLiteral("show")) {
    ctx.Fail(QStringLiteral("usage: arvex machine show [--metric] --json NAME"));
    return 2;
  }
  args.removeFirst();
  if (args.size() != 1) {
    ctx.Fail(QStringLiteral("machine show needs exactly one machine NAME"));
    return 2;
  }
  if (!asJson) {
    ctx.Fail(QStringLiteral("machine show writes JSON only: add --json"));
    return 2;
  }
  Workspace ws;
  if (!ctx.PrepareWorkspace(ws)) return 1;
  ws.Study.Header.Metric = metric ? -1 : 0;
  TerminalPrompter prompter(ctx.Err);
  if (!LoadMachineDefinition(ws, args.front(), prompter)) return 1;
  ctx.Out << MachineJson(ws.Machine);
  ctx.Out.flush();
  return 0;
}

}  // namespace arvex
