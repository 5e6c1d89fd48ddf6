#pragma once

#include "SendArray.h"

#include <QString>

#include <string>
#include <vector>

// The viewer's text of a send array: 17 ASCII lines without line ends. An empty line; for each
// program block in array order a line of channel entries 1-8, a line of entries 9-16 and an empty
// line; then the three zones. Every entry is "%04X %04X  " (two trailing blanks kept), so an
// entry line is 88 characters and the zone line 33.
std::vector<std::string> SendArrayListing(const SendArray::Words& words);

// The same lines as one text, each followed by a line feed, as duvt-cli prints them.
QString SendArrayListingText(const SendArray::Words& words);
