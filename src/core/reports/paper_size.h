// The paper sizes a report can be laid out on.
#pragma once

// The values are stored in REPD cards.
enum class PaperSize : int
{
    A4 = 0,
    A3 = 1,
};
