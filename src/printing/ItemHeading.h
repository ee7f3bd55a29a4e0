#pragma once

namespace arc {

class FormDefinition;
class PageWriter;

namespace ItemHeading {

// The captions of blocks 6 to 11 over the item columns, the block's top at
// `top` (twips on the page): on the form and on a continuation sheet alike.
void print(PageWriter &p, const FormDefinition &form, float top);

} // namespace ItemHeading

} // namespace arc
