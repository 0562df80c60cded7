#pragma once
// The built-in help: five topics, each a fixed text of paragraphs and headings.
#include <QString>

namespace cw {

constexpr int kHelpTopicCount = 5;

// The caption of topic `index` (0 to 4) as its label shows it; empty text for another index.
QString helpTopicCaption(int index);

// The whole text of topic `index` (0 to 4); empty text for another index. A heading stands on
// its own line, directly above its paragraph; a paragraph is followed by one empty line when
// another block follows. Line breaks are CR LF.
QString helpTopicText(int index);

} // namespace cw
