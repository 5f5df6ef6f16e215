#pragma once
// Words inside an operation name that steer the cutting data window:
//
// Holder heading, put into the empty holder combo when it gets the focus.
// First match wins; every test ignores letter case except "ID":
//   "live"                                           -> "(Live Holders)"
//   "drill", "ream", "tap", "spot", "center", "broach" -> "(ID Holders)"
//   "ID" (upper case, exactly)                       -> "(ID Holders)"
//   "turn"                                           -> "(OD Turning Holders)"
//   "od"                                             -> "(OD Turning Holders)"
//   none of these                                    -> "" (the combo stays empty)
//
// Grid keyword, from which the recommended-data query of the cutting
// database is built. The name is tested in this order, each match replacing
// the keyword found so far (letter case ignored):
//   "turn" -> "turn", "face" -> "turn", "groove" -> "turn", "drill" -> "drill",
//   "spot" -> "spot", "mill" -> "mill", "ream" -> "ream", "center" -> "center"
// so "Spot Drill" gives "spot" and "Center Drill" gives "center". "" when no
// word matches (the grid stays empty). Tapping and threading have no keyword.
//
// The words are found anywhere in the name, inside other words too: "od"
// matches "Body" and "tap" matches "Taper", so names are worded with care.

#include <QString>

namespace arvex {

inline const QString kOdHoldersHeading = QStringLiteral("(OD Turning Holders)");
inline const QString kIdHoldersHeading = QStringLiteral("(ID Holders)");
inline const QString kLiveHoldersHeading = QStringLiteral("(Live Holders)");

// The holder heading for an operation name; "" when none applies.
QString HolderHeadingForName(const QString& opName);

// The cutting-database keyword for an operation name; "" when none.
QString GridKeywordForName(const QString& opName);

// A live (driven tool) operation: the name contains "live" in any case.
bool IsLiveOperationName(const QString& opName);

}  // namespace arvex
