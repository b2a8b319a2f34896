#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <limits>
#include <memory>
#include <vector>

class QTextDocument;

namespace virelai {

struct PageFurniture;

// What a plain text is written in; RTF starts from its own defaults instead.
struct PlainTextStyle
{
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool underline = false;
    quint32 color = 0; // 0x00BBGGRR
    double spaceAfter = 0; // twips, after each paragraph
};

struct TextRequest
{
    QString text;
    PlainTextStyle plainStyle;
    int lineSpacingPercent = 100;
    double width = 0; // twips
    bool wrap = true;
    bool alwaysPlain = false; // ParagraphText never reads RTF
    // Text past this height (twips) is not composed, and the text counts as cut.
    double heightLimit = std::numeric_limits<double>::infinity();
};

struct ComposedText
{
    // Laid out, 1 unit = 1 twip, one under the other: a text too tall to lay out
    // at once is cut into several pieces. Never empty.
    std::vector<std::shared_ptr<QTextDocument>> pieces;
    double height = 0; // of all the pieces
    QStringList cuts; // why some of the text is not there, in French
    // An RTF document's header, footer and footnotes, when it has any.
    std::shared_ptr<const PageFurniture> furniture;
};

ComposedText composeText(const TextRequest &request);

} // namespace virelai
