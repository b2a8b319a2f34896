#pragma once

class QPaintDevice;

namespace virelai {

// A paint device of 1440 dots per inch: texts laid out on it measure in twips,
// so their line breaks are the same on screen, on paper and in a PDF.
QPaintDevice *twipsPaintDevice();

} // namespace virelai
