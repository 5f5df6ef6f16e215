#include "platform/textinput.h"

#include "platform/prompter.h"

namespace arvex {

bool RefuseDoubleQuote(QChar typed, Prompter& prompter) {
  if (typed != u'"') return false;
  prompter.ShowMessage(kDoubleQuoteMessage, kProgramTitle, MessageIcon::None);
  return true;
}

bool RefuseDoubleQuote(const QString& text, Prompter& prompter) {
  if (!text.contains(u'"')) return false;
  prompter.ShowMessage(kDoubleQuoteMessage, kProgramTitle, MessageIcon::None);
  return true;
}

}  // namespace arvex
