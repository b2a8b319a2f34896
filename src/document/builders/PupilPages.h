#pragma once

namespace virelai {

struct BuildContext;

// Pupils weak in general comprehension (type 5) or in reading speed (type 6):
// the pupil list in a grey box at the left, the suggestions at the right.
void buildRevVitPage(BuildContext &context);

// Pupils weak in one reading domain (types 7 to 9): the pupil list under its
// trimester header in a white box at the left, the suggestions at the right.
void buildCompGenePage(BuildContext &context);

} // namespace virelai
