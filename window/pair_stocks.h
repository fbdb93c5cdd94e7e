// The E series a side of the Pair window may take as its stock: the
// values of E3 to E192 over the decades the side's range admits (the
// library's default decades where it has no range), as stock items.
#pragma once

#include "engine/pair_search.h"
#include "engine/stock_list.h"
#include "window/pair_inputs.h"

// Values per decade of a PairStock that is an E series; 0 for a list.
int pairSeriesValuesPerDecade(int stock);

// Writes the series `stock` (PairStockE3 to PairStockE192) for
// `partType` over the decades `range` admits into `items` (at most
// `capacity`). Returns how many; 0 when the range admits none; and when
// the series has more values there than `capacity`, -1 with that count in
// *values and nothing written.
int pairSeriesStock(int stock, int partType, const ValueRange& range, StockItem* items, int capacity, int* values);
