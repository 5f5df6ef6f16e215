#pragma once
// Adding a sync: the command behind the main window's "Add Sync Before Op "
// button, once the window has turned its two selected lines into places.
// A place is an operation number, or count + 1 for the list's final line
// (after the last operation). The window calls nothing when a selected
// line is a sync marker or nothing is selected; afterwards it redisplays
// the lists (which runs the comparison).

#include <cstdint>

namespace arvex {

class Prompter;
class TimeStudy;

enum class AddSyncResult {
  Added,         // the sync is in the table; Dirty is set
  LimitReached,  // 30 syncs already: the message was shown, nothing changed
  NoPlace,       // a place below 1: nothing changed
};

// Appends the sync (mainPlace, subPlace) and sorts the table (SortSyncTable).
// When 30 entries are in use the message "The max number of syncs is 30 !"
// is shown and the table and Dirty stay as they are.
AddSyncResult AddSync(TimeStudy& study, int mainPlace, int subPlace, Prompter& prompter);

// Sorts each column of the sync table ascending on its own, so that sync k
// is the k-th sync from the top in both lists; values outside 1..count + 1
// of their list (MainOpCount, SubOpCount as they stand) drop out. SyncCount
// becomes the number of values kept in the sub column.
void SortSyncTable(TimeStudy& study);

}  // namespace arvex
