#pragma once

#include "SurfaceDocument.h"
#include "document/rtf/RtfPageFurniture.h"

namespace virelai {

// The header and footer a help document brings, laid out on the surface's page
// as word processors lay them out: the header at its distance from the paper's
// top edge and the footer at its distance from the bottom edge, each pushing
// the text away when it reaches past the margin. A footer the surface holds
// itself wins over the document's.
class DocumentFurniture
{
public:
    DocumentFurniture(const PageFurniture &furniture, const PageGeometry &geometry,
                      bool surfaceHasFooter);

    // Where the text starts and ends on page index page (twips from the paper's top).
    double bodyTop(int page) const;
    double bodyBottom(int page) const;

    // Once the page count is known: PAGE and NUMPAGES fields show it.
    void addHeaderAndFooter(SurfaceDocument &document, int page) const;

private:
    double headerHeight(int page) const;
    double footerHeight(int page) const;

    PageFurniture m_furniture;
    PageGeometry m_geometry;
    bool m_drawsFooter;
    double m_heights[4] = {}; // header, first page's header, footer, first page's footer
};

} // namespace virelai
