// Any script must split without harm into trimmed, non-empty statements.
#include "cutting/sqlscript.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString script = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  for (const QString& s : arvex::SplitSqlStatements(script)) {
    if (s.isEmpty() || s != s.trimmed()) __builtin_trap();
  }
  return 0;
}
