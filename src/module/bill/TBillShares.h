#pragma once

// The bill-level amounts every row of the item packet repeats: the first item's amount and the
// rest of the item total; all 0 when the payments did not add up to the items.
struct TBillShares {
    double f_hkye = 0;
    double f_qtje = 0;
    double f_qtze = 0;
};
