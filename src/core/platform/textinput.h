#pragma once
// Rules shared by every text field of every form.

#include <QChar>
#include <QString>

namespace arvex {

class Prompter;

// The time-study file stores texts in double quotes without an escape, so
// no text field accepts the character.
inline const QString kDoubleQuoteMessage =
    QStringLiteral("You can not use \" in your description because of the way I save the data file.");

// When `typed` is a double quote: shows kDoubleQuoteMessage (OK, no icon)
// and returns true, meaning the key is discarded. Otherwise returns false.
bool RefuseDoubleQuote(QChar typed, Prompter& prompter);

// The same for a pasted or programmatic text: true (and the message) when
// it holds a double quote.
bool RefuseDoubleQuote(const QString& text, Prompter& prompter);

}  // namespace arvex
