// Every page the program builds, for every document type and case of the
// catalogue, with the samples, class lists and long host texts, on three page
// set-ups: no two blocks overlap, every block stays inside the printable area,
// and a page only ends where a block is continued on the next.
#include "BuilderFakes.h"

#include <QTest>

using namespace virelai;
using namespace virelai::testing;

namespace {

const QString LongText = QStringLiteral(
    "une désignation très longue, telle que l'hôte peut en envoyer quand l'enseignant a "
    "nommé sa classe ou son épreuve en toutes lettres, avec le niveau, l'école, la commune, "
    "l'année scolaire, le trimestre et encore quelques précisions sur les conditions de "
    "passation qui n'ont pas leur place dans un titre mais qui y sont tout de même");

QList<Request> everyRequest()
{
    QList<Request> all;
    for (qint16 cas = 0; cas <= 15; ++cas) {
        all << request(1, cas, QStringLiteral("textes narratifs"),
                       QStringLiteral("textes documentaires"));
        all << request(1, cas, LongText, LongText);
    }
    for (qint16 type = 2; type <= 4; ++type)
        for (qint16 cas = 1; cas <= 19; ++cas)
            for (const QString &note : {QStringLiteral("Note"), QString()})
                all << request(type, cas, QStringLiteral("20"), note, sampleText(type));
    for (qint16 type = 5; type <= 9; ++type) {
        const QStringList levels = type <= 6 ? QStringList {QStringLiteral("CE2"), "CM2"}
                                             : QStringList {QStringLiteral("textes narratifs")};
        for (const QString &list : {QString(), sampleText(type), classList(3), classList(28),
                                    classList(40), classList(200)})
            for (const QString &level : levels) {
                all << request(type, 0, QStringLiteral("Élèves repérés"), level, list);
                all << request(type, 0, LongText, type <= 6 ? level : LongText, list);
            }
    }
    for (qint16 cas = 1; cas <= 8; ++cas) {
        all << request(10, cas, QStringLiteral("20"), QStringLiteral("8"), {}, "3");
        all << request(10, cas, QStringLiteral("20"), QStringLiteral("8"), {}, "3 " + LongText);
    }
    return all;
}

struct PageSetup
{
    QString name;
    QPageLayout layout;
};

QList<PageSetup> pageSetups()
{
    const auto layout = [](QPageSize::PageSizeId size, QMarginsF marginsMm) {
        return QPageLayout(QPageSize(size), QPageLayout::Portrait, marginsMm,
                           QPageLayout::Millimeter);
    };
    // Margins unlike each other show a side or an edge taken for another.
    return {{QStringLiteral("A4"), layout(QPageSize::A4, {15, 15, 15, 15})},
            {QStringLiteral("US Letter"), layout(QPageSize::Letter, {15, 15, 15, 15})},
            {QStringLiteral("uneven margins"), layout(QPageSize::A4, {40, 30, 10, 20})}};
}

constexpr double Tolerance = 0.5;

bool overlap(const QRectF &a, const QRectF &b)
{
    return a.left() < b.right() - Tolerance && b.left() < a.right() - Tolerance
        && a.top() < b.bottom() - Tolerance && b.top() < a.bottom() - Tolerance;
}

// The lowest a block may reach on a page: the printable area, or the footer's
// top where a tall footer rises into it.
double lowestBottom(const SurfaceDocument &document, int page)
{
    double bottom = document.pageGeometry(page).printableBottom();
    for (const MappedBlock &block : document.pageMap())
        if (block.page == page && block.role == BlockRole::Footer)
            bottom = qMin(bottom, block.rect.top());
    return bottom;
}

QString blocksApartAndInside(const SurfaceDocument &document)
{
    const PageMap &map = document.pageMap();
    for (size_t i = 0; i < map.size(); ++i) {
        const MappedBlock &block = map[i];
        const PageGeometry &page = document.pageGeometry(block.page);
        for (size_t j = i + 1; j < map.size(); ++j)
            if (map[j].page == block.page && overlap(block.rect, map[j].rect))
                return QStringLiteral("blocks %1 and %2 overlap on page %3")
                    .arg(int(block.role))
                    .arg(int(map[j].role))
                    .arg(block.page + 1);
        const QRectF printable(page.margins.left(), page.margins.top(), page.printableWidth(),
                               lowestBottom(document, block.page) - page.margins.top());
        const QRectF limits = block.role == BlockRole::Footer
            ? QRectF(QPointF(0, printable.top()), page.size)
            : printable.adjusted(-Tolerance, -Tolerance, Tolerance, Tolerance);
        if (!limits.contains(block.rect))
            return QStringLiteral("block %1 leaves its area on page %2")
                .arg(int(block.role))
                .arg(block.page + 1);
    }
    return {};
}

// A page is started only when a column of the page before is full to within a
// line: some block of the new page continues a block, or follows one, that
// ends that near the bottom.
QString noPageStartedEarly(const SurfaceDocument &document)
{
    constexpr double OneLine = 600;
    const PageMap &map = document.pageMap();
    const auto lowestInColumn = [&](const MappedBlock &block, int page) {
        double lowest = document.pageGeometry(page).margins.top();
        for (const MappedBlock &above : map)
            if (above.page == page && above.role != BlockRole::Footer
                && above.rect.left() < block.rect.right() - Tolerance
                && block.rect.left() < above.rect.right() - Tolerance)
                lowest = qMax(lowest, above.rect.bottom());
        return lowest;
    };
    for (int page = 1; page < document.pageCount(); ++page) {
        const double bottom = lowestBottom(document, page - 1);
        const bool columnFull = std::any_of(map.begin(), map.end(), [&](const MappedBlock &b) {
            return b.page == page && b.role != BlockRole::Footer
                && lowestInColumn(b, page - 1) > bottom - OneLine;
        });
        if (!columnFull)
            return QStringLiteral("page %1 is started while page %2 had room")
                .arg(page + 1)
                .arg(page);
    }
    return {};
}

// The list header stands right under the caption, above the list.
QString headerUnderCaption(const PageMap &map)
{
    const auto find = [&](BlockRole role) {
        return std::find_if(map.begin(), map.end(),
                            [&](const MappedBlock &b) { return b.role == role; });
    };
    const auto caption = find(BlockRole::Caption);
    const auto header = find(BlockRole::ListHeader);
    const auto list = find(BlockRole::List);
    if (header == map.end())
        return {};
    if (header->page != caption->page || qAbs(header->rect.top() - caption->rect.bottom()) > 40)
        return QStringLiteral("the list header is not right under the caption");
    if (list->page == header->page && list->rect.top() < header->rect.bottom())
        return QStringLiteral("the list header runs into the list");
    return {};
}

} // namespace

class PageSweepTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyPageHoldsItsBlocksApart();
    void pagesThatFitKeepEveryPosition_data();
    void pagesThatFitKeepEveryPosition();
};

namespace {

// The page of a request, built with the real advice; the chart pictures are
// stand-ins of the same size.
std::shared_ptr<const SurfaceDocument> build(const Request &r, const QPageLayout &layout)
{
    BuildBench bench;
    bench.VSPrinter1.setPageLayout(layout);
    bench.answer(r);
    return bench.VSPrinter1.shownDocument();
}

} // namespace

void PageSweepTest::everyPageHoldsItsBlocksApart()
{
    const QList<Request> requests = everyRequest();
    int pages = 0;
    for (const PageSetup &setup : pageSetups()) {
        for (const Request &r : requests) {
            const auto document = build(r, setup.layout);
            const QString where
                = setup.name + QStringLiteral(", ") + r.label + QStringLiteral(": ");
            QVERIFY2(document->pageCount() > 0, qPrintable(where));
            for (const QString &problem :
                 {blocksApartAndInside(*document), noPageStartedEarly(*document),
                  headerUnderCaption(document->pageMap())})
                QVERIFY2(problem.isEmpty(), qPrintable(where + problem));
            pages += document->pageCount();
        }
    }
    qInfo("%lld documents, %d pages", qlonglong(requests.size() * pageSetups().size()), pages);
}

void PageSweepTest::pagesThatFitKeepEveryPosition_data()
{
    QTest::addColumn<Request>("request");
    QTest::addColumn<QList<AskedPosition>>("positions");
    const auto R = BlockRole::Reminder;
    const auto S = BlockRole::Suggestion;
    const auto P = BlockRole::Proposition;
    const auto C = BlockRole::Chart;
    // clang-format off
    QTest::newRow("class average sample") << request(1, 4, "textes narratifs", "textes documentaires") << QList<AskedPosition> {{C, 1, 0, 20}, {C, 2, 33, 20}, {C, 3, 66, 20}, {P, 0, 0, 50}, {S, 0, 0, 55},  {R, 0, 0, 77}};
    QTest::newRow("class profile, case 12, with the note") << request(2, 12, "20", "Note", sampleText(2)) << QList<AskedPosition> {{C, 1, 0, 28}, {P, 0, 0, 52}, {S, 0, 0, 54}, {R, 0, 0, 80}};
    QTest::newRow("comprehension types sample") << request(10, 3, "20", "8", {}, "3") << QList<AskedPosition> { {C, 1, 0, 30}, {C, 2, 21, 30}, {P, 0, 43, 30}, {S, 0, 43, 33}, {R, 0, 0, 77}};
    QTest::newRow("general comprehension sample") << request(5, 0, "Élèves concernés (CE2 B)", "CE2", sampleText(5)) << QList<AskedPosition> {{P, 0, 43, 30}, {S, 0, 43, 33}, {BlockRole::Caption, 0, 0, 30}, {BlockRole::List, 0, 0, 33}};
    QTest::newRow("documentary texts sample") << request(8, 0, "Élèves marqués d'une croix", "textes documentaires", sampleText(8)) << QList<AskedPosition> {{P, 0, 43, 23}, {S, 0, 43, 26}, {BlockRole::Caption, 0, 0, 23}, {BlockRole::List, 0, 0, 30}};
    // clang-format on
}

void PageSweepTest::pagesThatFitKeepEveryPosition()
{
    QFETCH(Request, request);
    QFETCH(QList<AskedPosition>, positions);
    const auto document = build(request, pageSetups().front().layout);
    QCOMPARE(document->pageCount(), 1);
    positions.prepend({BlockRole::Heading, 0, 0, 0});
    const auto [actual, asked] = placements(*document, positions);
    QCOMPARE(actual, asked);
}

QTEST_MAIN(PageSweepTest)
#include "tst_pagesweep.moc"
