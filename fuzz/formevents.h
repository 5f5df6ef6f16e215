#pragma once
// The input of the fuzz targets that drive a form: after a few leading
// bytes, a sequence of events [kind, field, length, text bytes...]. An
// event's text is up to length % 24 bytes, each mapped onto an alphabet of
// the characters a user would type into the form.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string_view>

struct FormEvent {
  std::uint8_t Kind;   // the kind byte as it stands
  std::uint8_t Field;  // the field byte as it stands
  std::size_t Length;  // the length byte % 24
  const std::uint8_t* Raw;  // the text bytes before mapping
  std::size_t Size;         // their number: Length, or what is left of the input
  QString Text;
};

class FormEvents {
 public:
  FormEvents(const std::uint8_t* data, std::size_t size, std::size_t start, std::string_view alphabet)
      : data_(data), size_(size), pos_(start), alphabet_(alphabet) {}

  bool Next(FormEvent* e) {
    if (pos_ + 3 > size_) return false;
    e->Kind = data_[pos_];
    e->Field = data_[pos_ + 1];
    e->Length = data_[pos_ + 2] % 24;
    pos_ += 3;
    e->Size = e->Length < size_ - pos_ ? e->Length : size_ - pos_;
    e->Raw = data_ + pos_;
    e->Text.clear();
    for (std::size_t i = 0; i < e->Size; ++i) e->Text += QChar(alphabet_[e->Raw[i] % alphabet_.size()]);
    pos_ += e->Size;
    return true;
  }

  // The last byte read: the event's last text byte, or its length byte.
  std::uint8_t LastByte() const { return data_[pos_ - 1]; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_;
  std::string_view alphabet_;
};
