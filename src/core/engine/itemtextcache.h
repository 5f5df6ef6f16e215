#pragma once
// Memo of the number texts the cycle-time engine writes again and again:
// unit times, "count x unit = total" values, extra seconds, label values.
// A redisplay runs the whole comparison after every keystroke; most of its
// texts are the same as the time before, and formatting a number costs far
// more than looking it up. Every text is made by numtext.h on its first use.

#include <QString>

#include <cstdint>
#include <unordered_map>

namespace arvex {

// The display format of every time of the comparison.
inline constexpr char16_t kTimeFormat[] = u"##0.00;;0.00";

class ItemTextCache {
 public:
  // Format(value, "##0.00;;0.00").
  QString TimeText(double value);
  QString TimeText(float value);
  // Format(value, "#00.00;;0") (the parts catcher from the sub spindle).
  QString CatchText(double value);
  // Format(value, "##.##") (the A, B, C and D labels of the main window).
  QString LabelValue(float value);
  // Format(value, "###.##") (the total label).
  QString TotalValue(double value);
  // Str(value): a count or the part length with its leading blank.
  QString StrText(double value);
  // NumberText(value): a Single's seven-digit text without a leading blank.
  QString SingleText(float value);
  // Format(value, "0.000;;0") (seconds per unit of length of the stock feed).
  QString FeedRateText(double value);
  // The value of a count item: Str(count) + " x " + unit + " = " + count x
  // unit, both times with the time format: " 3 x 0.60 = 1.80".
  QString CountValue(int count, double unit);

  void Clear() { map_.clear(); }
  std::size_t Size() const { return map_.size(); }

 private:
  enum class Kind : std::uint8_t { Time, TimeSingle, Catch, Label, Total, Str, Single, FeedRate, Count };
  struct Key {
    std::uint64_t Bits;
    std::int32_t Count;
    Kind Type;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    std::size_t operator()(const Key& k) const noexcept;
  };
  // Entries kept before the memo starts afresh; far above what one study
  // needs, small enough to stay cheap.
  static constexpr std::size_t kMaxEntries = 4096;

  template <typename Make>
  QString Lookup(const Key& key, Make make);

  std::unordered_map<Key, QString, KeyHash> map_;
};

}  // namespace arvex
