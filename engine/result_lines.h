// Finding the record behind a line of the Result text, for whatever shows a
// line's network (the Network window, the drawings of combinix-search). A
// line has a record only while it still reads as the line of a match of the
// last search: text restored from the settings file, typed, or left from an
// earlier search has none.
//
// The Result text shows records in their order (all of them after the final
// ordering, those the live display let through after a stopped search), so
// its lines are matched against the records in turn. Call these while no
// search runs, or with resultStateMutex held.
#pragma once

#include "engine/recorder.h"

// The record of line `lineIndex` (from 0) of `text`, whose lines end in CR LF
// or LF; null when that line reads as no record's line.
const MatchRecord* recordOfResultLine(const char* text, int lineIndex);

// The records of the lines of `text` in turn, records[k] for line k (null for
// a line that has none), for at most `capacity` lines. Returns the number of
// lines filled in.
int recordsOfResultLines(const char* text, const MatchRecord** records, int capacity);
