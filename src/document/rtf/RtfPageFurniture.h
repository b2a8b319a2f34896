#pragma once

#include <QTextFormat>

#include <memory>
#include <vector>

class QTextDocument;

namespace virelai {

// What a document read from RTF holds besides its flow of text: its page
// header and footer (\header, \footer, and \headerf, \footerf for a first page
// of its own with \titlepg), and its footnotes, in number order. Each is a
// document of its own, in the same units as the flow.
struct PageFurniture
{
    std::shared_ptr<QTextDocument> header;
    std::shared_ptr<QTextDocument> headerFirst;
    std::shared_ptr<QTextDocument> footer;
    std::shared_ptr<QTextDocument> footerFirst;
    bool titlePage = false;
    int headerY = 720; // twips from the paper's top edge to the header
    int footerY = 720; // twips from the paper's bottom edge to the footer
    std::vector<std::shared_ptr<QTextDocument>> footnotes;

    bool hasHeaderOrFooter() const { return header || headerFirst || footer || footerFirst; }
    bool empty() const { return !hasHeaderOrFooter() && footnotes.empty(); }
    // The header or footer of a page (counted from 0), or none.
    std::shared_ptr<QTextDocument> headerOf(int page) const;
    std::shared_ptr<QTextDocument> footerOf(int page) const;
};

// The character that anchors footnote N (counted from 0) holds N in this property.
inline constexpr int FootnoteAnchorProperty = QTextFormat::UserProperty + 20;

// The furniture of a document written by readRtf, or none.
const PageFurniture *pageFurnitureOf(const QTextDocument &document);
PageFurniture &pageFurnitureFor(QTextDocument &document);

// A copy of a header or footer whose PAGE and NUMPAGES fields show these numbers.
std::shared_ptr<QTextDocument> withPageNumbers(const QTextDocument &document, int page,
                                               int pageCount);

// The fields whose results change with the page; held by the results' text.
inline constexpr int FieldProperty = QTextFormat::UserProperty + 21;
enum class PageField { None = 0, Page = 1, PageCount = 2 };

} // namespace virelai
