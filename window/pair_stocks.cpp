// The E series of a Pair window side, from the library's series.
#include "window/pair_stocks.h"

#include "engine/builtin_lists.h"

int pairSeriesValuesPerDecade(int stock) {
    switch (stock) {
    case PairStockE3: return 3;
    case PairStockE6: return 6;
    case PairStockE12: return 12;
    case PairStockE24: return 24;
    case PairStockE48: return 48;
    case PairStockE96: return 96;
    case PairStockE192: return 192;
    default: return 0;
    }
}

int pairSeriesStock(int stock, int partType, const ValueRange& range, StockItem* items, int capacity, int* values) {
    SeriesItems written = writeSeriesItems(pairSeriesValuesPerDecade(stock), partType, range, items, capacity);
    *values = written.values;
    if (written.count == 0 && written.values > 0) return -1;
    return written.count;
}
