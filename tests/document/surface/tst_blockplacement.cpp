#include "document/surface/BlockPlacement.h"

#include <QTest>

using namespace virelai;

namespace {

BlockRequest block(double left, double width, double top, double content)
{
    BlockRequest request;
    request.left = left;
    request.width = width;
    request.top = top;
    request.content = content;
    request.advance = content;
    return request;
}

// Lines every 100 twips, as a box with an inset of 50.
BlockRequest box(double left, double width, double top, double content)
{
    BlockRequest request = block(left, width, top, content);
    request.padding = 50;
    for (double line = 100; line < content; line += 100)
        request.cuts.push_back(line);
    return request;
}

BlockRequest cutAt(BlockRequest request, double cut)
{
    request.cuts = {cut};
    return request;
}

// Text lines every 100 twips from top, without padding; the spacing below each
// line may run past the cut, and footnotes may hang from the lines.
BlockRequest text(double top, double content, double spacingBelow, std::vector<FootNote> notes)
{
    BlockRequest request = box(0, 100, top, content);
    request.padding = 0;
    for (const double cut : request.cuts)
        request.cutEnds.push_back(cut - spacingBelow);
    request.notes = std::move(notes);
    return request;
}

BlockRequest flowing(double content, double advance)
{
    BlockRequest request = block(0, 100, 0, content);
    request.flows = true;
    request.advance = advance;
    return request;
}

// Where one part of a block went.
struct Expected
{
    size_t block;
    int page;
    double top;
    double height;
};

QString partText(const Expected &part)
{
    return QStringLiteral("block %1 on page %2 at %3, %4 high")
        .arg(part.block)
        .arg(part.page)
        .arg(qRound(part.top * 1000) / 1000.0)
        .arg(qRound(part.height * 1000) / 1000.0);
}

using Requests = std::vector<BlockRequest>;
using Parts = std::vector<Expected>;

} // namespace

Q_DECLARE_METATYPE(Requests)
Q_DECLARE_METATYPE(Parts)

class TestBlockPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rules_data();
    void rules();
};

void TestBlockPlacement::rules_data()
{
    QTest::addColumn<Requests>("requests");
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<int>("pageLimit");
    QTest::addColumn<bool>("cut");
    const int none = MaxPages;
    // clang-format off
    QTest::newRow("nothing in the way: every position kept") << Requests {block(0, 40, 100, 200), block(50, 50, 100, 300), block(0, 100, 500, 100)} << Parts {{0, 0, 100, 200}, {1, 0, 100, 300}, {2, 0, 500, 100}} << 1 << none << false;
    QTest::newRow("a block ending exactly at the next one's position keeps it") << Requests {block(0, 100, 100, 200), block(0, 100, 300, 100)} << Parts {{0, 0, 100, 200}, {1, 0, 300, 100}} << 1 << none << false;
    QTest::newRow("inside the block above: 100 twips below it, and the next ones follow") << Requests {block(0, 100, 100, 300), block(0, 100, 300, 100), block(0, 100, 550, 50), block(0, 100, 800, 50)} << Parts {{0, 0, 100, 300}, {1, 0, 500, 100}, {2, 0, 700, 50}, {3, 0, 800, 50}} << 1 << none << false;
    QTest::newRow("columns apart; a block across the page waits below both") << Requests {block(0, 40, 100, 600), block(50, 50, 100, 200), block(50, 50, 400, 100), block(0, 100, 500, 100)} << Parts {{0, 0, 100, 600}, {1, 0, 100, 200}, {2, 0, 400, 100}, {3, 0, 800, 100}} << 1 << none << false;
    QTest::newRow("blocks side by side only touching stay side by side") << Requests {block(0, 50, 100, 500), block(50, 50, 200, 100)} << Parts {{0, 0, 100, 500}, {1, 0, 200, 100}} << 1 << none << false;
    QTest::newRow("placed from the top down, whatever the order asked") << Requests {block(0, 100, 500, 100), block(0, 100, 100, 450)} << Parts {{0, 0, 650, 100}, {1, 0, 100, 450}} << 1 << none << false;
    QTest::newRow("a flowing block starts where the one before it ends, pushed or not") << Requests {block(0, 100, 0, 300), block(0, 100, 200, 100), flowing(80, 90)} << Parts {{0, 0, 0, 300}, {1, 0, 400, 100}, {2, 0, 500, 80}} << 1 << none << false;
    QTest::newRow("a box too long continues from the top of the next page, cut between lines") << Requests {box(0, 50, 600, 800)} << Parts {{0, 0, 600, 400}, {0, 1, 0, 600}} << 2 << none << false;
    QTest::newRow("its column follows it there; the other column stays") << Requests {box(0, 50, 600, 800), block(0, 50, 900, 50), block(60, 40, 900, 50), block(0, 100, 950, 40)} << Parts {{0, 0, 600, 400}, {0, 1, 0, 600}, {1, 1, 700, 50}, {2, 0, 900, 50}, {3, 1, 850, 40}} << 2 << none << false;
    QTest::newRow("a block that cannot be cut moves whole") << Requests {block(0, 100, 800, 300)} << Parts {{0, 1, 0, 300}} << 2 << none << false;
    QTest::newRow("a line taller than a page stands alone on its page") << Requests {cutAt(block(0, 100, 0, 2500), 1200)} << Parts {{0, 0, 0, 1200}, {0, 1, 0, 1300}} << 2 << none << false;
    QTest::newRow("a box with no line that fits moves on to the next page") << Requests {box(0, 100, 880, 300)} << Parts {{0, 1, 0, 400}} << 2 << none << false;
    QTest::newRow("a footnote's room is kept on its anchor's page; the line moves on with it") << Requests {text(0, 1500, 0, {{800, 250, 0}})} << Parts {{0, 0, 0, 800}, {0, 1, 0, 700}} << 2 << none << false;
    QTest::newRow("a text's last line on a page may have its spacing below run past the bottom") << Requests {text(30, 1500, 40, {})} << Parts {{0, 0, 30, 1000}, {0, 1, 0, 500}} << 2 << none << false;
    QTest::newRow("a box longer than the pages allowed stops at the last one") << Requests {box(0, 50, 600, 3000)} << Parts {{0, 0, 600, 400}, {0, 1, 0, 1000}} << 2 << 2 << true;
    QTest::newRow("a block flowing after one cut at the last page is left out") << Requests {box(0, 50, 600, 3000), flowing(80, 90)} << Parts {{0, 0, 600, 400}, {0, 1, 0, 1000}} << 2 << 2 << true;
    QTest::newRow("a block that would start past the last page is left out, and one flowing after it") << Requests {box(0, 50, 0, 1700), block(0, 50, 900, 50), flowing(80, 90)} << Parts {{0, 0, 0, 1000}, {0, 1, 0, 900}} << 2 << 2 << true;
    QTest::newRow("what fits on the pages allowed is whole") << Requests {box(0, 50, 600, 800)} << Parts {{0, 0, 600, 400}, {0, 1, 0, 600}} << 2 << 2 << false;
    // clang-format on
}

void TestBlockPlacement::rules()
{
    QFETCH(Requests, requests);
    QFETCH(Parts, parts);
    QFETCH(int, pageCount);
    QFETCH(int, pageLimit);
    QFETCH(bool, cut);
    // Pages of 1000 twips from 0: round numbers throughout.
    const Placement placement = placeBlocks(PageFrame {0, 1000, pageLimit}, requests);
    QCOMPARE(placement.pageCount, pageCount);
    QCOMPARE(placement.cut, cut);
    QStringList actual;
    for (size_t i = 0; i < placement.blocks.size(); ++i) {
        double content = 0;
        for (const BlockPart &part : placement.blocks[i]) {
            actual << partText({i, part.page, part.top, part.height});
            QCOMPARE(part.from, content);
            QCOMPARE(part.left, requests[i].left);
            content = part.to;
        }
        if (!cut)
            QCOMPARE(content, requests[i].content);
    }
    QStringList expected;
    for (const Expected &part : parts)
        expected << partText(part);
    QCOMPARE(actual, expected);
}

QTEST_MAIN(TestBlockPlacement)
#include "tst_blockplacement.moc"
