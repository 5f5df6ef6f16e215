#include "platform/profilefile.h"

namespace arvex {

namespace {

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

QString TrimBlanks(QStringView text) {
  qsizetype start = 0;
  qsizetype end = text.size();
  while (start < end && IsBlank(text[start])) ++start;
  while (end > start && IsBlank(text[end - 1])) --end;
  return text.mid(start, end - start).toString();
}

bool IsQuote(QChar c) { return c == u'"' || c == u'\''; }

// Names are compared ignoring case through their case-folded forms.
QString Folded(const QString& name) { return name.toCaseFolded(); }

bool ValidName(const QString& name, QChar forbidden) {
  const QString trimmed = TrimBlanks(name);
  if (trimmed.isEmpty()) return false;
  // A key line may not look like a section or a comment.
  if (forbidden == u'=' && (trimmed.front() == u'[' || trimmed.front() == u';')) return false;
  for (QChar c : name)
    if (c == u'\r' || c == u'\n' || c == forbidden) return false;
  return true;
}

}  // namespace

QString ProfileValueFromText(const QString& text) {
  QString value = TrimBlanks(text);
  if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
    value = value.mid(1, value.size() - 2);
  if (value.size() > kMaxProfileValueLength) value.truncate(kMaxProfileValueLength);
  return value;
}

QString ProfileTextForValue(const QString& value) {
  QString text = value;
  text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  text.replace(u'\r', u' ');
  text.replace(u'\n', u' ');
  const bool blankAround = !text.isEmpty() && (IsBlank(text.front()) || IsBlank(text.back()));
  const bool quotedAround = text.size() >= 2 && IsQuote(text.front()) && text.back() == text.front();
  if (blankAround || quotedAround) return u'"' + text + u'"';
  return text;
}

ProfileFile::Line ProfileFile::ParseLine(const QString& raw) {
  Line line{raw, {}, {}, {}};
  const QString trimmed = TrimBlanks(raw);
  if (trimmed.isEmpty() || trimmed.front() == u';' || trimmed.front() == u'[') return line;
  const qsizetype eq = raw.indexOf(u'=');
  if (eq < 0) return line;
  line.Key = TrimBlanks(QStringView(raw).left(eq));
  if (!line.Key.isEmpty()) {
    line.Value = ProfileValueFromText(raw.mid(eq + 1));
    line.Folded = Folded(line.Key);
  }
  return line;
}

ProfileFile ProfileFile::FromText(const QString& text) {
  ProfileFile profile;
  profile.sections_.push_back(Section{});  // lines before the first section
  for (const QString& raw : SplitLines(text)) {
    const QString trimmed = TrimBlanks(raw);
    if (!trimmed.isEmpty() && trimmed.front() == u'[') {
      qsizetype close = trimmed.indexOf(u']');
      if (close < 0) close = trimmed.size();
      Section section;
      section.Name = TrimBlanks(QStringView(trimmed).mid(1, close - 1));
      section.Folded = Folded(section.Name);
      section.HasHeader = true;
      section.Lines.push_back(Line{raw, {}, {}, {}});
      profile.sections_.push_back(std::move(section));
      continue;
    }
    profile.sections_.back().Lines.push_back(ParseLine(raw));
  }
  return profile;
}

ProfileFile ProfileFile::FromBytes(const QByteArray& bytes) { return FromText(DecodeWindows1252(bytes)); }

bool ProfileFile::Load(const QString& path, FileError* error) {
  QString text;
  if (!ReadTextFile(path, &text, error)) {
    sections_.clear();
    return false;
  }
  *this = FromText(text);
  return true;
}

const ProfileFile::Section* ProfileFile::FindSection(const QString& name) const {
  const QString wanted = Folded(TrimBlanks(name));
  for (const Section& s : sections_)
    if (s.HasHeader && s.Folded == wanted) return &s;
  return nullptr;
}

ProfileFile::Section* ProfileFile::FindSection(const QString& name) {
  return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

bool ProfileFile::HasSection(const QString& section) const { return FindSection(section) != nullptr; }

std::optional<QString> ProfileFile::Find(const QString& section, const QString& key) const {
  const Section* s = FindSection(section);
  if (!s) return std::nullopt;
  const QString wanted = Folded(TrimBlanks(key));
  for (const Line& line : s->Lines)
    if (!line.Key.isEmpty() && line.Folded == wanted) return line.Value;
  return std::nullopt;
}

QString ProfileFile::Value(const QString& section, const QString& key, const QString& defaultValue) const {
  return Find(section, key).value_or(defaultValue);
}

void ProfileFile::SetValue(const QString& section, const QString& key, const QString& value) {
  // Names that cannot stand on a profile line are never written.
  if (!ValidName(section, u']') || !ValidName(key, u'=')) return;
  const QString keyName = TrimBlanks(key);
  Line newLine = ParseLine(keyName + u'=' + ProfileTextForValue(value));
  if (sections_.empty()) sections_.push_back(Section{});

  Section* s = FindSection(section);
  if (!s) {
    Section added;
    added.Name = TrimBlanks(section);
    added.Folded = Folded(added.Name);
    added.HasHeader = true;
    added.Lines.push_back(Line{u'[' + added.Name + u']', {}, {}, {}});
    added.Lines.push_back(std::move(newLine));
    sections_.push_back(std::move(added));
    return;
  }
  const QString wanted = Folded(keyName);
  size_t lastKey = 0;  // the header line
  for (size_t i = 0; i < s->Lines.size(); ++i) {
    Line& line = s->Lines[i];
    if (line.Key.isEmpty()) continue;
    if (line.Folded == wanted) {
      line = std::move(newLine);
      return;
    }
    lastKey = i;
  }
  s->Lines.insert(s->Lines.begin() + static_cast<std::ptrdiff_t>(lastKey + 1), std::move(newLine));
}

QString ProfileFile::Text() const {
  QString text;
  for (const Section& s : sections_) {
    for (const Line& line : s.Lines) {
      text += line.Raw;
      text += QStringLiteral("\r\n");
    }
  }
  return text;
}

bool ProfileFile::Save(const QString& path, FileError* error) const {
  return WriteTextFileAtomically(path, Text(), error);
}

QStringList ProfileFile::SectionNames() const {
  QStringList names;
  for (const Section& s : sections_)
    if (s.HasHeader) names << s.Name;
  return names;
}

}  // namespace arvex
