#include "BlockPlacement.h"

#include <algorithm>
#include <optional>

namespace virelai {

namespace {

// Twips: blocks that only touch neither overlap nor push each other.
constexpr double Tolerance = 0.5;

struct Spot
{
    int page = 0;
    double y = 0;
};

bool isAbove(const Spot &a, const Spot &b)
{
    return a.page < b.page || (a.page == b.page && a.y < b.y - Tolerance);
}

bool shareWidth(const BlockRequest &request, const BlockPart &part)
{
    return request.left < part.left + part.width - Tolerance
        && part.left < request.left + request.width - Tolerance;
}

// A block at a fixed position starts a chain; the blocks flowing after it
// follow it. Chains are placed from the top of the page down.
std::vector<size_t> readingOrder(const std::vector<BlockRequest> &requests)
{
    std::vector<std::vector<size_t>> chains;
    for (size_t i = 0; i < requests.size(); ++i) {
        if (chains.empty() || !requests[i].flows)
            chains.emplace_back();
        chains.back().push_back(i);
    }
    std::stable_sort(chains.begin(), chains.end(), [&](const auto &a, const auto &b) {
        return requests[a.front()].top < requests[b.front()].top;
    });
    std::vector<size_t> order;
    for (const auto &chain : chains)
        order.insert(order.end(), chain.begin(), chain.end());
    return order;
}

// The end of the content, or the first page break after `from`.
double partLimit(const BlockRequest &request, double from)
{
    const auto &breaks = request.breaks;
    const auto next = std::upper_bound(breaks.begin(), breaks.end(), from + Tolerance);
    return next != breaks.end() ? std::min(*next, request.content) : request.content;
}

// The notes whose anchors lie in content [from, to).
std::pair<size_t, size_t> notesIn(const BlockRequest &request, double from, double to)
{
    const auto &notes = request.notes;
    const auto below = [](const FootNote &note, double y) {
        return note.at < y - Tolerance;
    };
    const auto first = std::lower_bound(notes.begin(), notes.end(), from, below);
    const auto last = std::lower_bound(first, notes.end(), to, below);
    return {size_t(first - notes.begin()), size_t(last - notes.begin())};
}

class Placer
{
public:
    Placer(const PageFrame &frame, const std::vector<BlockRequest> &requests)
        : m_frame(frame)
        , m_requests(requests)
    {
        m_placement.blocks.resize(requests.size());
    }

    Placement run()
    {
        for (const size_t index : readingOrder(m_requests))
            place(index);
        return m_placement;
    }

private:
    // Where a part from content position `from` ends when it starts at `spot`;
    // none when not even its first line and its notes fit. A part at the top
    // of a page always takes at least one line, however tall.
    std::optional<double> endOfPart(const BlockRequest &request, double from, const Spot &spot,
                                    bool atPageTop) const
    {
        const double room = m_frame.bottomOf(spot.page) - spot.y - 2 * request.padding;
        const auto fits = [&](double end, double reach) {
            return reach - from + notesHeight(request, spot.page, from, end) <= room + Tolerance;
        };
        const double limit = partLimit(request, from);
        if (fits(limit, limit))
            return limit;
        const auto &cuts = request.cuts;
        const auto first = std::upper_bound(cuts.begin(), cuts.end(), from + Tolerance);
        // Beyond the cut after the room, not even the text above a cut fits.
        auto cut = std::upper_bound(first, cuts.end(), from + room);
        if (cut != cuts.end())
            ++cut;
        while (cut != first) {
            --cut;
            const size_t index = size_t(cut - cuts.begin());
            const double reach
                = index < request.cutEnds.size() ? std::min(*cut, request.cutEnds[index]) : *cut;
            if (*cut < limit && fits(*cut, reach))
                return *cut;
        }
        if (!atPageTop)
            return std::nullopt;
        return first != cuts.end() ? std::min(*first, limit) : limit;
    }

    // The room the notes anchored in content [from, to) take on the page,
    // with the gap above the page's first note.
    double notesHeight(const BlockRequest &request, int page, double from, double to) const
    {
        const auto [first, last] = notesIn(request, from, to);
        double height = notesOn(page);
        if (first == last)
            return height;
        if (height == 0)
            height = m_frame.noteGap;
        for (size_t note = first; note < last; ++note)
            height += request.notes[note].height;
        return height;
    }

    double notesOn(int page) const
    {
        return size_t(page) < m_notesOnPage.size() ? m_notesOnPage[size_t(page)] : 0.0;
    }

    void place(size_t index)
    {
        const BlockRequest &request = m_requests[index];
        const bool flows = request.flows && index > 0;
        if (flows && m_placement.blocks[index - 1].empty()) {
            m_placement.cut = true; // the block it follows was left out
            return;
        }
        Spot spot = flows ? flowEnd(index - 1) : Spot {0, request.top};
        if (const auto floor = lowestAbove(request, std::nullopt); floor && isAbove(spot, *floor))
            spot = {floor->page, floor->y + BlockGap};
        double from = 0;
        for (;;) {
            if (spot.page >= m_frame.pageLimit) {
                m_placement.cut = true;
                return;
            }
            const bool atPageTop = spot.y <= m_frame.topOf(spot.page) + Tolerance;
            if (const auto end = endOfPart(request, from, spot, atPageTop)) {
                addPart(index, spot, from, *end);
                from = *end;
                if (from >= request.content)
                    return;
            }
            spot = columnTop(request, spot.page + 1);
        }
    }

    void addPart(size_t index, const Spot &spot, double from, double to)
    {
        const BlockRequest &request = m_requests[index];
        const auto [notesFrom, notesTo] = notesIn(request, from, to);
        const BlockPart part {
            spot.page, request.left, spot.y,    request.width, 2 * request.padding + (to - from),
            from,      to,           notesFrom, notesTo};
        if (notesTo > notesFrom) {
            const double height = notesHeight(request, spot.page, from, to);
            m_notesOnPage.resize(std::max(m_notesOnPage.size(), size_t(spot.page) + 1));
            m_notesOnPage[size_t(spot.page)] = height;
        }
        m_placement.blocks[index].push_back(part);
        m_placed.push_back(part);
        m_placement.pageCount = std::max(m_placement.pageCount, spot.page + 1);
    }

    // Where a block flowing after block `index` starts.
    Spot flowEnd(size_t index) const
    {
        const BlockRequest &request = m_requests[index];
        const BlockPart &last = m_placement.blocks[index].back();
        return {last.page, last.top + 2 * request.padding + (request.advance - last.from)};
    }

    // The lowest end of the parts placed so far in the request's column, on
    // every page or on one; none when the column is empty there.
    std::optional<Spot> lowestAbove(const BlockRequest &request, std::optional<int> page) const
    {
        std::optional<Spot> lowest;
        for (const BlockPart &part : m_placed) {
            if ((page && part.page != *page) || !shareWidth(request, part))
                continue;
            const Spot end {part.page, part.bottom()};
            if (!lowest || isAbove(*lowest, end))
                lowest = end;
        }
        return lowest;
    }

    Spot columnTop(const BlockRequest &request, int page) const
    {
        if (const auto floor = lowestAbove(request, page))
            return {page, floor->y + BlockGap};
        return {page, m_frame.topOf(page)};
    }

    const PageFrame &m_frame;
    const std::vector<BlockRequest> &m_requests;
    Placement m_placement;
    std::vector<BlockPart> m_placed;
    std::vector<double> m_notesOnPage; // the room footnotes take at each page's bottom
};

} // namespace

Placement placeBlocks(const PageFrame &frame, const std::vector<BlockRequest> &requests)
{
    return Placer(frame, requests).run();
}

} // namespace virelai
