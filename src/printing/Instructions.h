#pragma once

namespace arc {

class PageWriter;

namespace Instructions {

// The user/installer responsibilities: the heading and the two fixed
// paragraphs, the second broken between words over four lines.
void print(PageWriter &writer);

} // namespace Instructions

} // namespace arc
