// The number this program writes into its template files and looks for in the update file.
#pragma once

// Fixed for the life of the program: templates written by any version carry it, and the update
// file names the program by it. At most five digits (REPTS and APPLY hold it in five columns).
inline constexpr int ProductCode = 4976;
