#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

class QTextDocument;

namespace virelai {

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
    bool mayContinue = false; // RichText goes on in further pieces; other texts stop
};

struct ComposedText
{
    std::shared_ptr<QTextDocument> document; // laid out, 1 unit = 1 twip
    double height = 0;
    QString problem; // set when a text could not be read or shown whole
    // A text too tall to lay out at once goes on in these pieces, laid out too
    // (only when the request may continue).
    std::vector<std::shared_ptr<QTextDocument>> continuation;
};

ComposedText composeText(const TextRequest &request);

} // namespace virelai
