// The reports the golden-file and outside-reader tests write: a hand-built tree of the writer's
// edge cases, and the reports the shipped examples carry.
#pragma once

#include <string>
#include <vector>

namespace reporttest
{

struct CSampleReport
{
    std::string name; // file name without ".rtf"
    std::string rtf;
};

// None depends on the date, a path or the machine: the example reports name their network by
// its file name, and text is measured with the fonts' own metrics.
std::vector<CSampleReport> SampleReports();

} // namespace reporttest
