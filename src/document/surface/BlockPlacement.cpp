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

// Where a part from content position `from` ends with `room` left on the page;
// none when not even its first line fits. A part at the top of a page always
// takes at least one line, however tall.
std::optional<double> endOfPart(const BlockRequest &request, double from, double room,
                                bool atPageTop)
{
    const double limit = partLimit(request, from);
    if (limit - from <= room + Tolerance)
        return limit;
    const auto &cuts = request.cuts;
    const auto fitting = std::upper_bound(cuts.begin(), cuts.end(), from + room);
    if (fitting != cuts.begin() && *(fitting - 1) > from + Tolerance)
        return *(fitting - 1);
    if (!atPageTop)
        return std::nullopt;
    const auto next = std::upper_bound(cuts.begin(), cuts.end(), from + Tolerance);
    return next != cuts.end() ? std::min(*next, limit) : limit;
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
            const double room = m_frame.bottom - spot.y - 2 * request.padding;
            const bool atPageTop = spot.y <= m_frame.top + Tolerance;
            if (const auto end = endOfPart(request, from, room, atPageTop)) {
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
        const BlockPart part {
            spot.page, request.left, spot.y, request.width, 2 * request.padding + (to - from), from,
            to};
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
        return {page, m_frame.top};
    }

    const PageFrame &m_frame;
    const std::vector<BlockRequest> &m_requests;
    Placement m_placement;
    std::vector<BlockPart> m_placed;
};

} // namespace

Placement placeBlocks(const PageFrame &frame, const std::vector<BlockRequest> &requests)
{
    return Placer(frame, requests).run();
}

} // namespace virelai
