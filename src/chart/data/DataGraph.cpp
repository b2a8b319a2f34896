#include "DataGraph.h"

#include "FieldCursor.h"
#include "common/NumericReading.h"

#include <array>
#include <cmath>
#include <limits>

namespace virelai {

namespace {

// A count: a whole decimal number, blanks around it allowed. The limits are checked
// once all three are read, so a count too large for 16 bits gets its own message.
std::optional<int> readCount(QStringView field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

// Values are held as 32-bit floats; out-of-range readings become infinities
// explicitly rather than through an undefined narrowing.
float toFloat(double value)
{
    constexpr double LargestFloat = std::numeric_limits<float>::max();
    if (value > LargestFloat)
        return std::numeric_limits<float>::infinity();
    if (value < -LargestFloat)
        return -std::numeric_limits<float>::infinity();
    return float(value);
}

class DataGraphReader
{
public:
    explicit DataGraphReader(const QString &text)
        : cursor(text)
    { }

    DataGraphReading read();

private:
    std::optional<DataGraphRefusal> readCounts();
    std::optional<DataGraphRefusal> checkCounts();
    std::optional<DataGraphRefusal> readChart();
    std::optional<DataGraphRefusal> readSerie(int m, GraphBlock &chart);
    void readValues(int firstSlot);
    std::optional<DataGraphRefusal> readColour();
    void readLabels(int firstSlot);
    void readText(QChar delimiter, QString &field);

    FieldCursor cursor;
    std::array<int, 3> counts {}; // nbGraph, nbSerie, nbPoint before their limits are checked
    DataGraph data;
    // Slots 1..50 of both tables, kept from series to series and chart to chart.
    std::array<float, DataGraphSlots> values {};
    std::array<QString, DataGraphSlots> labels;
    QString titreGraph;
    QString nomSerie;
    std::array<int, 3> rgb {};
};

DataGraphReading DataGraphReader::read()
{
    std::optional<DataGraphRefusal> refusal = readCounts();
    if (!refusal)
        refusal = checkCounts();
    for (int k = 1; !refusal && k <= data.nbGraph; ++k)
        refusal = readChart();
    if (refusal)
        return *refusal;
    return data;
}

std::optional<DataGraphRefusal> DataGraphReader::readCounts()
{
    const std::array<QChar, 3> delimiters {u'|', u'|', u'{'};
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const std::optional<QStringView> field = cursor.next(delimiters[i]);
        if (!field)
            continue;
        const std::optional<int> count = readCount(*field);
        if (!count)
            return DataGraphRefusal::NotWhole;
        counts[i] = *count;
    }
    return std::nullopt;
}

std::optional<DataGraphRefusal> DataGraphReader::checkCounts()
{
    const auto [nbGraph, nbSerie, nbPoint] = counts;
    if (nbGraph < 0)
        return DataGraphRefusal::NotWhole;
    if (nbGraph > MaxCharts)
        return DataGraphRefusal::TooManyCharts;
    if (nbGraph > 0 && (nbSerie < 1 || nbPoint < 1))
        return DataGraphRefusal::EmptyCharts;
    // Each is checked alone first so that the product cannot overflow.
    if (nbGraph > 0
        && (nbSerie > DataGraphSlots || nbPoint > DataGraphSlots
            || nbSerie * nbPoint > DataGraphSlots))
        return DataGraphRefusal::TooManySlots;
    constexpr int LowestInt16 = std::numeric_limits<qint16>::min();
    constexpr int HighestInt16 = std::numeric_limits<qint16>::max();
    if (nbSerie < LowestInt16 || nbSerie > HighestInt16 || nbPoint < LowestInt16
        || nbPoint > HighestInt16)
        return DataGraphRefusal::NotWhole;
    data.nbGraph = qint16(nbGraph);
    data.nbSerie = qint16(nbSerie);
    data.nbPoint = qint16(nbPoint);
    return std::nullopt;
}

std::optional<DataGraphRefusal> DataGraphReader::readChart()
{
    readText(u'}', titreGraph);
    GraphBlock chart;
    chart.titreGraph = titreGraph;
    for (int m = 1; m <= data.nbSerie; ++m) {
        if (const auto refusal = readSerie(m, chart))
            return refusal;
    }
    data.charts.push_back(std::move(chart));
    return std::nullopt;
}

std::optional<DataGraphRefusal> DataGraphReader::readSerie(int m, GraphBlock &chart)
{
    const int firstSlot = (m - 1) * data.nbPoint;
    readText(u'}', nomSerie);
    readValues(firstSlot);
    if (const auto refusal = readColour())
        return refusal;
    readLabels(firstSlot);

    SerieBlock block;
    block.nomSerie = nomSerie;
    block.couleur = quint32(rgb[0] + 256 * rgb[1] + 65536 * rgb[2]);
    block.values.assign(values.begin() + firstSlot, values.begin() + firstSlot + data.nbPoint);
    block.labels.assign(labels.begin() + firstSlot, labels.begin() + firstSlot + data.nbPoint);
    chart.series.push_back(std::move(block));
    return std::nullopt;
}

void DataGraphReader::readValues(int firstSlot)
{
    for (int p = 1; p <= data.nbPoint; ++p) {
        const std::optional<QStringView> field = cursor.next(p < data.nbPoint ? u',' : u'}');
        if (field)
            values[std::size_t(firstSlot + p - 1)] = toFloat(Val(*field));
    }
}

std::optional<DataGraphRefusal> DataGraphReader::readColour()
{
    const std::array<QChar, 3> delimiters {u',', u',', u'}'};
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        const std::optional<QStringView> field = cursor.next(delimiters[i]);
        if (!field)
            continue;
        const double component = roundHalfEven(Val(*field));
        if (!(component >= 0.0 && component <= 255.0))
            return DataGraphRefusal::BadColour;
        rgb[i] = int(component);
    }
    return std::nullopt;
}

void DataGraphReader::readLabels(int firstSlot)
{
    for (int p = 1; p <= data.nbPoint; ++p)
        readText(p < data.nbPoint ? u',' : u'}', labels[std::size_t(firstSlot + p - 1)]);
}

void DataGraphReader::readText(QChar delimiter, QString &field)
{
    if (const std::optional<QStringView> text = cursor.next(delimiter))
        field = text->toString();
}

} // namespace

QString refusalText(DataGraphRefusal refusal)
{
    switch (refusal) {
    case DataGraphRefusal::TooLong:
        return QStringLiteral("Données des graphiques refusées : le texte du presse-papiers fait "
                              "32 766 caractères ou plus.");
    case DataGraphRefusal::NotWhole:
        return QStringLiteral("Données des graphiques refusées : le nombre de graphiques, "
                              "de séries ou de points n'est pas un nombre entier positif.");
    case DataGraphRefusal::TooManyCharts:
        return QStringLiteral(
            "Données des graphiques refusées : plus de 64 graphiques sont annoncés.");
    case DataGraphRefusal::EmptyCharts:
        return QStringLiteral("Données des graphiques refusées : les graphiques annoncés n'ont "
                              "aucune série ou aucun point.");
    case DataGraphRefusal::TooManySlots:
        return QStringLiteral("Données des graphiques refusées : plus de 50 valeurs "
                              "par graphique (séries × points).");
    case DataGraphRefusal::BadColour:
        return QStringLiteral("Données des graphiques refusées : une composante de couleur sort "
                              "de l'intervalle 0 à 255.");
    }
    Q_UNREACHABLE();
    return QString();
}

DataGraphReading readDataGraph(const QString &text)
{
    if (text.size() > MaxChartTextLength)
        return DataGraphRefusal::TooLong;
    return DataGraphReader(text).read();
}

} // namespace virelai
