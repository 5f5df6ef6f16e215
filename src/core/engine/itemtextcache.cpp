#include "engine/itemtextcache.h"

#include "platform/numtext.h"

#include <bit>

namespace arvex {

namespace {
std::uint64_t BitsOf(double v) { return std::bit_cast<std::uint64_t>(v); }
std::uint64_t BitsOf(float v) { return std::bit_cast<std::uint32_t>(v); }
}  // namespace

std::size_t ItemTextCache::KeyHash::operator()(const Key& k) const noexcept {
  std::uint64_t h = k.Bits * 0x9E3779B97F4A7C15ull;
  h ^= (static_cast<std::uint64_t>(static_cast<std::uint32_t>(k.Count)) << 8 | static_cast<std::uint8_t>(k.Type)) +
       0x632BE59BD9B4E019ull + (h << 6) + (h >> 2);
  return static_cast<std::size_t>(h ^ (h >> 29));
}

template <typename Make>
QString ItemTextCache::Lookup(const Key& key, Make make) {
  if (auto it = map_.find(key); it != map_.end()) return it->second;
  if (map_.size() >= kMaxEntries) map_.clear();
  return map_.emplace(key, make()).first->second;
}

QString ItemTextCache::TimeText(double value) {
  return Lookup({BitsOf(value), 0, Kind::Time}, [&] { return Format(value, kTimeFormat); });
}

QString ItemTextCache::TimeText(float value) {
  return Lookup({BitsOf(value), 0, Kind::TimeSingle}, [&] { return Format(value, kTimeFormat); });
}

QString ItemTextCache::CatchText(double value) {
  return Lookup({BitsOf(value), 0, Kind::Catch}, [&] { return Format(value, u"#00.00;;0"); });
}

QString ItemTextCache::LabelValue(float value) {
  return Lookup({BitsOf(value), 0, Kind::Label}, [&] { return Format(value, u"##.##"); });
}

QString ItemTextCache::TotalValue(double value) {
  return Lookup({BitsOf(value), 0, Kind::Total}, [&] { return Format(value, u"###.##"); });
}

QString ItemTextCache::StrText(double value) {
  return Lookup({BitsOf(value), 0, Kind::Str}, [&] { return Str(value); });
}

QString ItemTextCache::SingleText(float value) {
  return Lookup({BitsOf(value), 0, Kind::Single}, [&] { return NumberText(value); });
}

QString ItemTextCache::FeedRateText(double value) {
  return Lookup({BitsOf(value), 0, Kind::FeedRate}, [&] { return Format(value, u"0.000;;0"); });
}

QString ItemTextCache::CountValue(int count, double unit) {
  return Lookup({BitsOf(unit), count, Kind::Count}, [&] {
    return Str(count) + QStringLiteral(" x ") + TimeText(unit) + QStringLiteral(" = ") +
           TimeText(static_cast<double>(count) * unit);
  });
}

}  // namespace arvex
