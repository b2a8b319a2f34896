#include "RtfTabLeaders.h"

#include "RtfBlockLayout.h"
#include "RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace virelai {

namespace {

// Positions from where the first line starts (twips) and leader characters, one per stop.
constexpr int LeaderPositions = QTextFormat::UserProperty + 10;
constexpr int LeaderCharacters = QTextFormat::UserProperty + 11;
// A longer paragraph is not a line of a table of contents: left as it is.
constexpr int MaxLeaderParagraph = 2000;

QChar leaderCharacter(TabStop::Leader leader)
{
    switch (leader) {
    case TabStop::Leader::Dots:
        return u'.';
    case TabStop::Leader::Hyphens:
        return u'-';
    case TabStop::Leader::Underline:
    case TabStop::Leader::ThickLine:
        return u'_';
    case TabStop::Leader::Equals:
        return u'=';
    case TabStop::Leader::None:
        break;
    }
    return QChar();
}

struct Fill
{
    int position; // of the tab in the block
    int count;
    QTextCharFormat format;
    QChar leader;
};

// The leader of the stop a tab that starts at x (from the line's start) reaches.
QChar leaderAt(const QTextBlockFormat &format, double x, double unitsPerTwip)
{
    const QList<QVariant> positions = format.property(LeaderPositions).toList();
    const QString leaders = format.stringProperty(LeaderCharacters);
    for (qsizetype i = 0; i < positions.size() && i < leaders.size(); ++i) {
        if (positions[i].toDouble() * unitsPerTwip > x + 0.5)
            return leaders[i];
    }
    return QChar();
}

std::vector<Fill> fillsOf(const QTextBlock &block, double width, QPaintDevice *device,
                          const QTextOption &documentOption)
{
    const QTextBlockFormat format = block.blockFormat();
    const std::unique_ptr<QTextLayout> layout = layOutAlone(block, width, device, documentOption);
    const double unitsPerTwip = device ? device->logicalDpiX() / 1440.0 : tabUnitsPerTwip();
    std::vector<Fill> fills;
    const QString text = block.text();
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != u'\t')
            continue;
        const QTextLine line = layout->lineForTextPosition(i);
        const double before = line.cursorToX(i);
        const double after = line.cursorToX(i + 1);
        const QChar leader = leaderAt(format, before, unitsPerTwip);
        if (leader.isNull())
            continue;
        QTextCursor at(block);
        at.setPosition(block.position() + i + 1);
        const QTextCharFormat tabFormat = at.charFormat();
        const double characterWidth
            = QFontMetricsF(tabFormat.font(), device).horizontalAdvance(leader);
        const int count
            = characterWidth > 0 ? int(std::floor((after - before) / characterWidth)) : 0;
        if (count > 0)
            fills.push_back({i, count, tabFormat, leader});
    }
    return fills;
}

} // namespace

bool setTabLeaders(QTextBlockFormat &format, const QList<TabStop> &stops, int firstLineStart)
{
    QList<QVariant> positions;
    QString leaders;
    for (const TabStop &stop : stops) {
        const QChar leader = leaderCharacter(stop.leader);
        if (stop.position <= firstLineStart)
            continue;
        positions.append(stop.position - firstLineStart);
        leaders.append(leader.isNull() ? QChar(u' ') : leader);
    }
    if (leaders.trimmed().isEmpty())
        return false;
    format.setProperty(LeaderPositions, positions);
    format.setProperty(LeaderCharacters, leaders);
    return true;
}

void fillTabLeaders(QTextDocument &document, int from, int to, double textWidth)
{
    if (textWidth <= 0)
        return;
    QPaintDevice *device = document.documentLayout()->paintDevice();
    const QTextBlock last = document.findBlock(to);
    for (QTextBlock block = document.findBlock(from); block.isValid(); block = block.next()) {
        if (block.blockFormat().hasProperty(LeaderCharacters)
            && block.length() <= MaxLeaderParagraph
            && document.rootFrame() == QTextCursor(block).currentFrame()) {
            const std::vector<Fill> fills
                = fillsOf(block, textWidth, device, document.defaultTextOption());
            for (auto fill = fills.rbegin(); fill != fills.rend(); ++fill) {
                QTextCursor cursor(block);
                cursor.setPosition(block.position() + fill->position);
                cursor.insertText(QString(fill->count, fill->leader), fill->format);
            }
        }
        if (block == last)
            break;
    }
}

} // namespace virelai
