#pragma once
// The inch/millimetre conversion keys of the numeric input fields: "m" or
// "M" turns the field's value from inch to metric, "i" or "I" from metric to
// inch. Lengths and feeds convert by 25.4; surface speeds between feet per
// minute and metres per minute (x 12 x 25.4 / 1000 and back). The key itself
// is never inserted into a field that converts.
//
// Used by the cutting conditions fields and by every form that offers the
// same keys (Auto Set's tool data fields).

#include <QChar>
#include <QString>

#include <optional>

namespace arvex {

// What a field holds, for the conversion keys.
enum class UnitKind {
  None,          // the key is swallowed, the value stays (RPM, counts)
  Length,        // diameters, lengths, feeds per revolution, minute or tooth
  SurfaceSpeed,  // feet per minute <-> metres per minute
};

enum class UnitDirection { ToMetric, ToInch };

// The direction of a conversion key; nullopt for any other character.
std::optional<UnitDirection> UnitConversionKey(QChar key);

// The converted value (a UnitKind::None value is returned unchanged).
double ConvertUnitValue(double value, UnitKind kind, UnitDirection direction);

// The field text after a conversion key: the text's value (ParseNumber, held
// as a Single) converted and formatted "#.####". A None field, and a value
// that does not fit a Single, keep their text.
QString ConvertUnitsText(const QString& text, UnitKind kind, UnitDirection direction);

}  // namespace arvex
