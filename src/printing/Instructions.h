#pragma once

namespace arc {

class FormDefinition;
class PageWriter;

namespace Instructions {

// The user/installer responsibilities as the form words them: the heading
// and the two fixed paragraphs, the second broken between words over four
// lines.
void print(PageWriter &writer, const FormDefinition &form);

} // namespace Instructions

} // namespace arc
