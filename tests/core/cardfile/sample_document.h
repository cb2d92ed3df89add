// A document that holds every kind of object a network file stores, and a dump of a document
// by numbers, for the network file tests.
#pragma once

#include "cardfile/document_data.h"
#include "settings/network_settings.h"

#include <string>
#include <vector>

namespace netfiletest
{

// Fills an empty document: four arms (one with a short lane), three zones, two capacity
// assessors, connectors and the routes over them (one not permitted), two flow groups with OD
// flows and route flows of 15 decimals (locked, coupled and plain), labels (one of exactly 50
// characters), print pages, one report of each fragment type plus an empty one, project texts
// with line breaks and two view positions.
void BuildSampleDocument(CDocumentData& doc, NetworkSettings& settings);

// Everything a network file keeps, object by object, named by number and never by id; two
// documents that hold the same data give the same text.
std::string Describe(const CDocumentData& doc, const NetworkSettings& settings);

// Splits a card text at its line ends (LF or CR LF) and joins lines with LF.
std::vector<std::string> SplitLines(const std::string& text);
std::string JoinLines(const std::vector<std::string>& lines);
// The index of the first line that starts with keyword, or -1.
int FindCard(const std::vector<std::string>& lines, const std::string& keyword, int from = 0);

} // namespace netfiletest
