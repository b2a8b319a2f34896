#include "CategoryLabels.h"

#include <algorithm>
#include <optional>

namespace virelai {

namespace {

CategoryLabel centred(QStringList lines, double centre, const TextWidth &width)
{
    double widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, width(line));
    return {std::move(lines), centre - widest / 2, widest};
}

// The text on two lines, cut at the space that makes the wider line narrowest;
// none when it holds no space to cut at.
std::optional<QStringList> onTwoLines(const QString &text, const TextWidth &width)
{
    std::optional<QStringList> best;
    double bestWidth = 0;
    for (qsizetype space = text.indexOf(u' '); space >= 0; space = text.indexOf(u' ', space + 1)) {
        const QString first = text.left(space).trimmed();
        const QString second = text.mid(space + 1).trimmed();
        if (first.isEmpty() || second.isEmpty())
            continue;
        const double wider = std::max(width(first), width(second));
        if (!best || wider < bestWidth) {
            best = QStringList {first, second};
            bestWidth = wider;
        }
    }
    return best;
}

class LabelLayout
{
public:
    LabelLayout(const QStringList &texts, const std::vector<double> &centres, int separationPercent,
                const TextWidth &width)
        : m_texts(texts)
        , m_centres(centres)
        , m_separation(separationPercent / 100.0)
        , m_width(width)
    { }

    std::vector<CategoryLabel> run()
    {
        const qsizetype count = std::min(m_texts.size(), qsizetype(m_centres.size()));
        for (qsizetype i = 0; i < count; ++i)
            m_labels.push_back(place(i));
        return m_labels;
    }

private:
    CategoryLabel place(qsizetype i)
    {
        const QString &text = m_texts[i];
        CategoryLabel label = centred({text}, m_centres[size_t(i)], m_width);
        if (tooCloseToPrevious(label) || tooCloseToNext(label, i)) {
            if (const auto lines = onTwoLines(text, m_width))
                label = centred(*lines, m_centres[size_t(i)], m_width);
        }
        if (i > 0 && tooCloseToPrevious(label))
            return {};
        m_previous = label;
        return label;
    }

    double room(const CategoryLabel &label) const { return m_separation * label.width; }

    bool tooCloseToPrevious(const CategoryLabel &label) const
    {
        return m_previous && label.left - m_previous->right() < room(label);
    }

    // The next label is not laid out yet: it is taken on one line.
    bool tooCloseToNext(const CategoryLabel &label, qsizetype i) const
    {
        if (i + 1 >= m_texts.size() || size_t(i + 1) >= m_centres.size())
            return false;
        const CategoryLabel next = centred({m_texts[i + 1]}, m_centres[size_t(i + 1)], m_width);
        return next.left - label.right() < room(label);
    }

    const QStringList &m_texts;
    const std::vector<double> &m_centres;
    double m_separation;
    const TextWidth &m_width;
    std::optional<CategoryLabel> m_previous;
    std::vector<CategoryLabel> m_labels;
};

} // namespace

std::vector<CategoryLabel> layOutCategoryLabels(const QStringList &texts,
                                                const std::vector<double> &centres,
                                                int separationPercent, const TextWidth &width)
{
    return LabelLayout(texts, centres, separationPercent, width).run();
}

int categoryLabelLines(const std::vector<CategoryLabel> &labels)
{
    qsizetype lines = 1;
    for (const CategoryLabel &label : labels)
        lines = std::max(lines, label.lines.size());
    return int(lines);
}

} // namespace virelai
